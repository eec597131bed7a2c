<?php
function area ( $w,  $h)
{
	return ($w* $h);
}
