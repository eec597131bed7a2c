<?php
class shape
{
	public  $w = NULL;
