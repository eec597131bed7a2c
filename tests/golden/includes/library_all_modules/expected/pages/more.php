<?php
echo tol_whisper( "Again") ;
?>
