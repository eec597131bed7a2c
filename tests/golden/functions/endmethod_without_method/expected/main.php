<?php
class shape
{
	public  $width = NULL;
