<?php
echo "<h1>Site</h1>";
include_once("pages/home.php");
echo "<p>after</p>";
?>
