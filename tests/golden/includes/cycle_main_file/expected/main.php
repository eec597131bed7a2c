<?php
echo "top";
