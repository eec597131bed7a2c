<?php
class shape
{
}
