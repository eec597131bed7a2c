<?php
 $a = NULL;
 $b = NULL;
