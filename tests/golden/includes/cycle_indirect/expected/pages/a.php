<?php
echo "a";
include_once("parts/b.php");
