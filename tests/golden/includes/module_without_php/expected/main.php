<?php
include_once("mylib/a.php");
echo tol_shout( "hi") ;
?>
