<?php
 $i = NULL;
