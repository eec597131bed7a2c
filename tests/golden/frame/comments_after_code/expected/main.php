<?php
/* Kept comments after conditions, values and calls leave the PHP around them intact   */ ;
 $x = 1 /* first value   */;
if ($x> 1 /* big   */ )
{
	echo "big"/* says so   */ ;
}
function twice ( $n)
{
	return ($n* 2 /* doubled   */ );
}
for ($i = 1 ;$i <= 3 /* three times   */ ;$i=$i+1)
{
	$x= twice( $i) /* ?> stays inside the comment   */ ;
}
?>
