<?php
class point
{
	public  $x = NULL;
}
function area ( $w,  $h)
{
	return ($w* $h);
}
function greet ( $name = "you")
{
	return ("Hello ". $name);
}
function tick ()
{
	return;
}
function draw ( $p)
{
	return ($p->x);
}
function pad ( $a = 1,  $b)
{
	return ($a+ $b);
}
function measure ( $a,  $b)
{
	return ($a);
}
function pairup ( $p,  $q,  $sep = ",")
{
	return ($p->x. $sep. $q->x);
}
function twice ( $n,  $flag = true)
{
	return ($n* 2 );
}
function shout ( $text)
{
	return ($text. "!");
}
echo area( 2 , 3 ) . greet( ) . twice( 4 ) ;
tick( ) ;
?>
