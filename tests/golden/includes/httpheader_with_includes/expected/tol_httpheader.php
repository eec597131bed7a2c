<?php
include_once("mylib/a.php");
include_once("parts/names.php");
?>
