<?php
if (1 )
{
	function f ()
	{
