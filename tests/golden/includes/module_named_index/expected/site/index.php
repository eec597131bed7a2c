<?php
function tol_sitemap()
{
    return 'home, about';
}
