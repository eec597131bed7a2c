<?php
class shape
{
	public function run ()
	{
}
class label
{
