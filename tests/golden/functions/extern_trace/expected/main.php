<?php
function show ( $a) //function show ( a ) 
{ //
	return ($a); //return a 
} //endfunction 
	 //function beep ( n ) 
	 //type device 
		 //method ring ( ) 
		 //field id , serial 
		 //
	 //endtype 
	 //local count 
class shape //type shape 
{ //
	private function area () //method area ( ) 
	{ //
	} //endmethod 
} //endtype 
beep( 1 ) ; //beep ( 1 ) 
?>
