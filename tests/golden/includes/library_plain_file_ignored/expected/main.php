<?php
include_once("mylib/a.php");
?>
