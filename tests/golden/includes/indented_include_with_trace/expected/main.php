<?php
 $show = true; //local show = true 
if ($show) //if show 
{ //
	include_once("parts/box.php"); //include "parts/box.tol" 
} //endif 
?>
