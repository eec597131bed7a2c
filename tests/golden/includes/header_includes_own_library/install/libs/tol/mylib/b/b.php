<?php
function tol_whisper($text)
{
    return strtolower($text) . '...';
}
