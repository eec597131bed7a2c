<?php
echo "<p>home</p>";
?>
