<?php
do
{
