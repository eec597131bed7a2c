<?php
echo "menu from the main source folder";
?>
