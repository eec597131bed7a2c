<?php
class shape
{
	const  SIDES = 4 ;
