<?php
header("X-Site: tolva");
	2 ;
?>
