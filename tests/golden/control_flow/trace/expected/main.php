<?php
 $x = 1; //local x = 1 , items [ ] 
 $items = Array(); //
if ($x> 1 ) //if x > 1 
{ //
	$x= 2 ; //x = 2 
} //elseif x == 1 
elseif ($x==1 ) //
{ //
	$x= 3 ; //x = 3 
} //else 
else //
{ //
	$x= 4 ; //x = 4 
} //endif 
switch ($x) //select x 
{ //
	case 2 : //case 2 
	default : //default 
} //endselect 
do //repeat 
{ //
	break; //exit 
} //forever 
while (true); //
foreach ($items as &$v) //for local v = eachin items 
{ //
} //next 
?>
