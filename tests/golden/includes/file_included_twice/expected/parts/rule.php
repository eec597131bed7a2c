<?php
echo "<hr>";
?>
