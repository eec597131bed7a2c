<?php
1 ~ ;
