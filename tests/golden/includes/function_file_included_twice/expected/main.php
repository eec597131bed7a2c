<?php
include_once("lib/greet.php");
include_once("lib/greet.php");
