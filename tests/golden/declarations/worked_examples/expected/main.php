<?php
class shape
{
	const  MAX = 10 ;
	private  $name = NULL;
	public  $w = NULL;
	public  $h = NULL;
	public function __construct ( $w,  $h)
	{
		$this->w= $w;
		$this->h= $h;
	}
}
 $a = NULL;
 $b = NULL;
 $c = NULL;
global  $g;
 $items = Array();
 $grid[ 10 ] = NULL;
 $s = 5;
 $o = new shape( 1 , 2 );
 $m = new shape;
 define("MAX",10 );
 $who = "you";
echo "Hi ". $who;
echo "Hi";
echo "";
echo $a. $b. $c;
?>
