<?php
class shape
{
	public  $width = NULL;
	public function __construct ( $w)
	{
		$this->width= $w;
	}
	public function __destruct ()
	{
	}
	private function area ()
	{
		return ($this->width* $this->width);
	}
	public function setup ()
	{
		return;
	}
	public function grow ( $by)
	{
		$this->width= $this->width+ $by;
	}
	private function twice ()
	{
		return ($this->area( ) * 2 );
	}
}
class label
{
	private  $text = NULL;
	public function __construct ( $t)
	{
		$this->text= $t;
	}
	private function trim ()
	{
	}
}
class counter
{
	public  $count = NULL;
	public function count ()
	{
		return ($this->count);
	}
}
 $box = new shape( 3 );
$box->grow( 1 ) ;
echo $box->width;
?>
