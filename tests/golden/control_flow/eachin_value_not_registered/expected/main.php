<?php
 $items = Array();
 $k = NULL;
foreach ($items as $k => &$v)
{
