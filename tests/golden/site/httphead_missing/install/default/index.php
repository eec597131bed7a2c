<title>{#SOURCE#}</title>
