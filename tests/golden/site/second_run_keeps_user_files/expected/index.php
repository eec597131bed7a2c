my own page
