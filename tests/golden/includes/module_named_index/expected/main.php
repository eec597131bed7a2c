<?php
include_once("site/index.php");
echo tol_sitemap( ) ;
?>
