<?php
1 ;
$x = 1;
	echo "tab kept ~~";
if ($x > 0) { echo 'ok'; }
	2 ;
?>
