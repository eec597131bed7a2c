<?php
function beep ( $n)
{
}
