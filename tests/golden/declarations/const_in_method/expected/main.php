<?php
class shape
{
	public function run ()
	{
