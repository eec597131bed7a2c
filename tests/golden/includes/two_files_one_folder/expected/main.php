<?php
include_once("pages/home.php");
include_once("pages/about.php");
?>
