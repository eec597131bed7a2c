<?php
zap( 1 ) . tolva;
?>
