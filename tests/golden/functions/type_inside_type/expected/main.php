<?php
class shape
{
