<title>{#SOURCE#} - shop</title>
no marker
<p>shop</p>
