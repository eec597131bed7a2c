<?php
function tol_left($s, $n) { return substr($s, 0, $n); }
