<?php
include_once("std/strings.php");
