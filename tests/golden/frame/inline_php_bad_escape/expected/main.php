<?php
1 ;
