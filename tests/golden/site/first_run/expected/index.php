<?php
// Entry page of the site. The page is buffered, so that the program may still send headers
// or start a session; the HTTP header program, when the project has one, runs first.
ob_start();
if (is_file(__DIR__ . '/tol_httpheader.php')) {
    include_once(__DIR__ . '/tol_httpheader.php');
}
?>
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>main</title>
<link rel="stylesheet" href="css/mystyle.css">
</head>
<body>
<?php include_once(__DIR__ . '/main.php'); ?>
</body>
</html>

