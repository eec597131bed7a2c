<?php
define("SIDES", 4);

function tol_area($w, $h)
{
    return $w * $h;
}

class square
{
    public $size;

    public function __construct($size)
    {
        $this->size = $size;
    }

    public function perimeter()
    {
        return SIDES * $this->size;
    }
}
