<?php
function f ()
{
