<?php
include_once("decl/names.php");
include_once("decl/loud.php");
echo greeting( ) ;
?>
