<?php
include_once("pages/a.php");
