<?php
function outer ()
{
