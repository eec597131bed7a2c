<?php
function area ( $w,  $h)
{
	return ($w* $h);
}
 $a = 2;
 $b = 3;
 $m[ area( 2 , 3 ) ] = NULL;
 $k = NULL;
 $x = area( $a, $b);
 $y = NULL;
 $v = [ 1 , 2 ];
 $u = NULL;
 $q = NULL;
 $z = NULL;
 $list2 = Array();
 $r = NULL;
echo ( $a&& $b) ;
echo area( $a. "", $b) . $y;
?>
