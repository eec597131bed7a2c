<?php
 $x = 2;
 $n = 1;
 $busy = false;
 $done = true;
 $items = Array();
if ($x> 1 )
{
	echo "big";
}
elseif ($x= 0 )
{
	echo "zero";
}
else
{
	echo "small";
}
switch ($n)
{
	case 1 :
		echo "one";
	default :
		echo "other";
}
while ($busy)
{
}
do
{
} while (!($done));
do
{
	break;
}
while (true);
for ($i = 1 ;$i <= 10 ;$i=$i+1)
{
	continue;
}
for ($i = 10 ;$i >= 1 ;$i=$i- 1 )
{
}
for ($i = 0 ;$i <= 9 ;$i=$i +2 )
{
}
for ($i = 0 ;$i <= $n;$i=$i +2 )
{
}
foreach ($items as &$v)
{
}
foreach ($items as $k => &$v)
{
}
foreach ($n as &$v)
{
}
exit;
?>
