<?php
 $n = 1;
switch ($n)
{
