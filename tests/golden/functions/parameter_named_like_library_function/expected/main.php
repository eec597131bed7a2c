<?php
include_once("mylib/text.php");
