// Progress lines on standard output. Each line is flushed at once so that a program reading
// the translator through a pipe sees it as soon as it is printed.
#pragma once

#include <string>

void PrintLine(const std::string& text = "");
