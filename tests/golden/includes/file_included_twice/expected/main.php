<?php
include_once("parts/rule.php");
echo "between";
include_once("parts/rule.php");
?>
