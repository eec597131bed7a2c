<?php
echo "start";
include_once("parts/part.php");
