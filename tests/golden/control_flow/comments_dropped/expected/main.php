<?php
 $x = 3;
 $done = false;
if ($x> 1 )
{
	$x= 2 ;
}
elseif ($x==1 )
{
	$x= 0 ;
}
else
{
	$x= 1 ;
}
switch ($x)
{
	case 2 :
		break;
	default :
}
while ($x> 0 )
{
	$x= $x- 1 ;
}
do
{
} while (!($done));
for ($i = 1 ;$i <= 3 ;$i=$i +1 )
{
}
?>
