// The single error report of the translator. Every error ends the run through Die, which prints
// the three-line report on standard output and unwinds to the entry point, so that files
// already written are closed as they stand and tests can run many translations in one process.
#pragma once

#include <stdexcept>
#include <string>

// Thrown by Die once the report is printed; what() is the three-line report.
class FatalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Die(const std::string& message);
