<?php
echo "util";
?>
