<?php
 define("MAX",1 );
