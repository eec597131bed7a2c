<?php
function list ()
{
