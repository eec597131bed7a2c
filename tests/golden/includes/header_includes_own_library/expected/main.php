<?php
include_once("mylib/a.php");
echo tol_shout( "a") . tol_whisper( "B") ;
?>
