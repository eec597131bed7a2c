<?php
 $n = 3;
 $items = Array();
 $k = NULL;
for ($i = 1 ;$i <= 1 ;$i=$i+1)
{
}
for ($i = 1 ;$i <= 1 ;$i=$i +2 )
{
}
for ($i = 0 ;$i <= 9 ;$i=$i +$n)
{
}
for ($i = 9 ;$i >= 0 ;$i=$i- $n)
{
}
for ($i = $n;$i <= $n* 2 ;$i=$i+1)
{
}
for ($k = 1 ;$k <= $n;$k=$k+1)
{
}
for ($k = 10 ;$k >= 0 ;$k=$k- 2 )
{
}
foreach ($items as $k => &$v)
{
}
foreach ($items as $key => &$value)
{
	echo $key. $value;
}
foreach ($items as &$key)
{
	echo $key;
}
?>
