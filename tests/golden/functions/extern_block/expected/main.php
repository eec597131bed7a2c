<?php
function outer ( $x)
{
	return ($x);
	}
beep( VOLUME) ;
$dev->ring( 2 ) ;
echo $dev->id. $mode;
?>
