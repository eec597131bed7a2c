<?php
 $done = true;
