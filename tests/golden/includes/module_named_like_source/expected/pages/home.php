<?php
include_once("mylib/home.php");
echo tol_hometext( ) ;
?>
