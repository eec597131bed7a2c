<?php
include_once("util.tol/util.php");
?>
