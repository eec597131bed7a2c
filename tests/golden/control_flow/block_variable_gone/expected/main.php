<?php
if (1 )
{
	 $a = 1;
}
