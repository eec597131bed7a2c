// Expression translation: a token list to PHP text. Operators are rewritten ("&" joins
// strings, the backslash and ":" access members) and every identifier is resolved against
// the symbol tables to be written as PHP needs it: "$" variables, upper-case constants,
// "tol_" library functions, members after "->" and "::".
#pragma once

#include <string>
#include <vector>

// Ends the run with "Identifier not found - " for a name it cannot resolve.
std::string MainParse(const std::vector<std::string>& tokens);

// MainParse of tokens that must give some PHP (a condition, a bound, a value): an empty result
// is reported as "Unexpected end of line", since the PHP around it could not run.
std::string MainParseRequired(const std::vector<std::string>& tokens);
