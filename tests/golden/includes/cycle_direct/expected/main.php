<?php
include_once("pages/loop.php");
