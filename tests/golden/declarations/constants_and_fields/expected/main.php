<?php
 define("BIG",10 );
 define("SMALL",1 );
 define("GREETING","Hello");
class shape
{
	const  SIDES = 4 ;
	const  CORNERS = 4 ;
	public  $width = 1;
	public  $height = NULL;
	private  $secret = "s";
	public  $items = Array();
	public function total ()
	{
		return ($this->width* BIG+ self::SIDES);
	}
}
 $x = BIG- SMALL;
 $sq = new shape;
echo GREETING. shape::SIDES;
?>
