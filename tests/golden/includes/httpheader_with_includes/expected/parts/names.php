<?php
function sitename ()
{
	return ("Example");
}
?>
