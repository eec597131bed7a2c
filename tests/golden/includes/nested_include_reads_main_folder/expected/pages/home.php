<?php
echo "home start";
include_once("parts/menu.php");
echo "home end";
?>
