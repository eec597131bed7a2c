<?php
include_once("mylib/main.php");
include_once("pages/home.php");
echo tol_maintext( ) ;
?>
