<title>{#SOURCE#} - {#SOURCE#}</title>
no marker
<p>{#SOURCE#}</p>