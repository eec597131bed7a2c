<?php
 $a = 1;
 $b = NULL;
 $c = 2;
 define("MAX",3 );
global  $g; $g = 4;
echo $a. $b;
?>
