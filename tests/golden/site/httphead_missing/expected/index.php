<title>main</title>

