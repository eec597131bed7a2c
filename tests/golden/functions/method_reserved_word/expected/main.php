<?php
class shape
{
	public function print ()
	{
