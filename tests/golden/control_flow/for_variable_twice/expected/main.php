<?php
 $n = 1;
