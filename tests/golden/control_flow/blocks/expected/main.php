<?php
 $n = 2;
if ($n> 0 )
{
	 $t = 1;
}
else
{
	 $t = 2;
}
 $t = 3;
while ($n> 0 )
{
	 $w = $n;
	$n= $n- 1 ;
}
 $w = 0;
if ($n==0 )
{
	switch ($n)
	{
		case 0 :
		case 1 :
			 $c = 1;
			break;
		default :
			$c= 2 ;
	}
	echo $c;
}
 $c = 5;
do
{
	 $r = 1;
} while (!($r==1 ));
 $r = 2;
function sumup ( $limit)
{
	 $total = 0;
	for ($i = 1 ;$i <= $limit;$i=$i+1)
	{
		if ($i==2 )
		{
			continue;
		}
		 $part = $i;
		$total= $total+ $part;
	}
	return ($total);
}
exit;
?>
