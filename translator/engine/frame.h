// The per-file frame: translates one TolvaBasic source file into one PHP file. It reads the
// source line by line, copies inline PHP blocks, joins continued lines, splits lines into
// statements at ";" and hands each statement to its handler. WritePHP is the one writer of
// generated PHP lines.
#pragma once

#include <ostream>
#include <string>

inline int tabbedAmount = 0;   // tabs of the source line being translated: the PHP indentation
inline std::string traceLine;  // under "-t": statement text for the next line written

void CompileFile(const std::string& path);

// Writes line with tabbedAmount tabs before it and, under "-t", the pending trace after it.
void WritePHP(std::ostream& out, std::string line);
