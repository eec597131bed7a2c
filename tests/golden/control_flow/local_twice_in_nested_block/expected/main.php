<?php
 $a = 1;
if ($a)
{
