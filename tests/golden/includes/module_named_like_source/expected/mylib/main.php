<?php
function tol_maintext()
{
    return 'main';
}
