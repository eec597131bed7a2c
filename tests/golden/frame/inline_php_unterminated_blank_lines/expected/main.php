<?php
1 ;
$x = 1;
