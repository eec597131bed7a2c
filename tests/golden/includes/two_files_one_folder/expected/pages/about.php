<?php
echo "about";
?>
