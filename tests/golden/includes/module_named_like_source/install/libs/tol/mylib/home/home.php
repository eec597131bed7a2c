<?php
function tol_hometext()
{
    return 'home';
}
