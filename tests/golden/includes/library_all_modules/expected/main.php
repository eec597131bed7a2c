<?php
include_once("mylib/a.php");
include_once("mylib/b.php");
echo tol_shout( "hi") . tol_whisper( "HI") ;
include_once("pages/more.php");
?>
