// The translator's command line: banner, usage text and the option scan.
#pragma once

#include <string>
#include <vector>

void PrintBanner();
void PrintUsage();

// Visits every argument in turn. An option that takes a value reads the argument after it
// without skipping it, so that value is visited again as an argument of its own. An option
// given as the last argument has no value and is ignored.
void ScanArguments(const std::vector<std::string>& arguments);
