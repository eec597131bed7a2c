<?php
// a line of comment only    ;
1 + 2 // the PHP line ends inside this comment    ;
	* 3 ;
?>
