<?php
 $a = 1;
