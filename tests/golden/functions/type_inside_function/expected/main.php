<?php
function make ()
{
	class inner
	{
		public  $v = NULL;
		public function get ()
		{
			return ($this->v);
		}
	}
	return (1 );
}
 $i = new inner;
echo $i->get( ) ;
?>
