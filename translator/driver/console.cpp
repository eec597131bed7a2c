// Progress lines on standard output.
#include "driver/console.h"

#include <iostream>

void PrintLine(const std::string& text) { std::cout << text << '\n' << std::flush; }
