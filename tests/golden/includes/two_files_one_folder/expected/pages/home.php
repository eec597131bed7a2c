<?php
echo "home";
?>
