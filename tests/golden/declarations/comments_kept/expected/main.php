<?php
/* With the comment option, a comment after a name alone is ignored like any other token   */ ;
 $a = NULL;
 $b = NULL;
 $c = NULL;
global  $g;
class shape
{
	public  $w = NULL;
}
?>
