<?php
 $items = Array();
