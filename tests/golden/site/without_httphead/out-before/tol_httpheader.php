<?php
// translated before
?>
