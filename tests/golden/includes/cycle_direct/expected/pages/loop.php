<?php
echo "loop";
