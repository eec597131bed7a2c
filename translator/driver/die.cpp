// The three-line error report.
#include "driver/die.h"

#include <iostream>

#include "driver/settings.h"

void Die(const std::string& message) {
    std::string report = "Error: " + message + "\nFile: " + currentParseFile +
                         "\nLine: " + std::to_string(currentLine) + "\n";
    std::cout << report << std::flush;
    throw FatalError(report);
}
