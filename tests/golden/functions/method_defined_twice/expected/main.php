<?php
class shape
{
	public function run ()
	{
	}
	public function run ()
	{
