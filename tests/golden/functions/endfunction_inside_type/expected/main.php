<?php
function make ()
{
	class inner
	{
