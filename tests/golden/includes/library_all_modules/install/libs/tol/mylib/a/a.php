<?php
function tol_shout($text)
{
    return strtoupper($text) . '!';
}
