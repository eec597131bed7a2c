<?php
 $a = NULL; //local a , b = 2 
 $b = 2; //
global  $g; $g = 1; //global g = 1 
 define("MAX",3 ); //const max = 3 
echo $a. $b; //print a & b 
class shape //type shape 
{ //
	const  SIDES = 4 ; //const sides = 4 
	public  $w = NULL; //field w , h 
	public  $h = NULL; //
} //endtype 
	 //local e , f 
	 //
?>
