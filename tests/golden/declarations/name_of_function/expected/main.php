<?php
function area ()
{
}
