<?php
function shape ()
{
}
