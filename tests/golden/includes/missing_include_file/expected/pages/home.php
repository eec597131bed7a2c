<?php
echo "home";
