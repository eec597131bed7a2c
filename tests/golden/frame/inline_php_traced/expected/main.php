<?php
1 ; //1 
$x = 1; //INLINE
	echo "tab kept ~~"; //INLINE
if ($x > 0) { echo 'ok'; } //INLINE
	2 ; //2 
?>
