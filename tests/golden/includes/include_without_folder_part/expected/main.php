<?php
include_once("pages/home.php");
?>
