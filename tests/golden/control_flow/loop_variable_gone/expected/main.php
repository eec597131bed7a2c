<?php
for ($i = 1 ;$i <= 3 ;$i=$i+1)
{
}
