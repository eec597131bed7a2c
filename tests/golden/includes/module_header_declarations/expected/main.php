<?php
include_once("geometry/shapes.php");
 $s = new square( 3 );
echo tol_area( 2 , 5 ) . " ". $s->perimeter( ) . " ". $s->size. " ". SIDES;
?>
