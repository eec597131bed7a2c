	<?php
echo "box"; //print "box" 
?>
