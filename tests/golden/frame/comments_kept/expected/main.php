<?php
/* a line of comment only   */ ;
1 + 2 /* the statement still ends after this comment   */ ;
	3 * 4 /* and * / cannot close it early   */ ;
?>
