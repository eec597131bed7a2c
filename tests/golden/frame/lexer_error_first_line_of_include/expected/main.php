<?php
1 ;
include_once("other.tol/other.php");
