laid out before
