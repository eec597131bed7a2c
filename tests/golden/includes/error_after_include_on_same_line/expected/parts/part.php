<?php
echo "a";
echo "b";
?>
