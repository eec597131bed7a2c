<?php
echo "footer";
?>
