<?php
echo "before";
