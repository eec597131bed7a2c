<?php
 $a = NULL;
