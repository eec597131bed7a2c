<?php
echo "written";
?>
