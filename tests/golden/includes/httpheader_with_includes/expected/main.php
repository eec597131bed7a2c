<?php
echo tol_shout( sitename( ) ) ;
?>
