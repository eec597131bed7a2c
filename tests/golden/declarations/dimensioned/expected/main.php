<?php
class shape
{
	public  $w = NULL;
}
 $n = 2;
 $grid[ 10 ] = NULL;
 $cells[ $n+ 1 ] = NULL;
 $a[ 3 ] = 5;
 $boxes[ 3 ] = new shape;
 $first[ 0 ] = "x";
global  $g; $g[ 2 ] = 5;
global  $h; $h = Array();
echo $a[ 3 ] . $boxes[ 3 ] ->w. $g[ 2 ] ;
?>
