// The per-file frame: translates one TolvaBasic source file into one PHP file. It reads the
// source line by line, copies inline PHP blocks, joins continued lines, splits lines into
// statements at ";" and hands each statement to its handler. WritePHP is the one writer of
// generated PHP lines.
#pragma once

#include <ostream>
#include <string>
#include <vector>

inline int tabbedAmount = 0;   // tabs of the source line being translated: the PHP indentation
inline std::string traceLine;  // under "-t": statement text for the next line written

// Paths of the files whose translation has begun and not ended, outermost first, as their
// canonical paths.
inline std::vector<std::string> filesInTranslation;

// Translates the file at path into outputPath + "/" + its base name + ".php". A header (".hol")
// is translated only for the names it declares: it writes no PHP at all, so it can never
// overwrite a file of the site.
void CompileFile(const std::string& path);
bool IsBeingTranslated(const std::string& path);

// Writes line with tabbedAmount tabs before it and, under "-t", the pending trace after it.
void WritePHP(std::ostream& out, std::string line);
