<?php
class shape
{
	public  $width = 3;
	public function area ()
	{
		return ($this->width* $this->width);
	}
}
global  $shared; $shared = new shape;
global  $total; $total = 0;
global  $plain;
global  $flags;
global  $level; $level = 1;
function bump ( $n)
{
	global  $total;
	global  $shared;
	$total= $total+ $n+ $shared->area( ) ;
	global  $fresh; $fresh = 7;
	return ($total);
}
class holder
{
	public function take ()
	{
		global  $shared;
		return ($shared->area( ) );
	}
}
?>
