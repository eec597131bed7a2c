<?php
 $total = 0;
function add ( $n)
{
