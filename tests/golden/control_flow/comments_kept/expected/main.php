<?php
/* With the comment option, a comment after a keyword whose tokens are ignored has no effect   */ ;
 $x = 3;
if ($x> 1 )
{
	$x= 2 ;
}
else
{
	$x= 1 ;
}
switch ($x)
{
	case 2 :
		break;
}
while ($x> 0 )
{
	$x= $x- 1 ;
}
do
{
	continue;
}
while (true);
for ($i = 1 ;$i <= 3 ;$i=$i+1)
{
}
exit;
?>
