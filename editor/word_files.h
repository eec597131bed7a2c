// Reads the known words of the installation: "functions.txt", then "keywords.txt", from the
// config folder. The word of a line is the text before its first ":" (the whole line when
// it has none); empty lines give no word.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Appends the words of the file at `path` in file order; false when it cannot be opened.
bool AppendWordsOfFile(const std::string& path, std::vector<std::string>& words);

// The words of functions.txt followed by those of keywords.txt in `configFolder`, with a
// warning on standard error for a file that cannot be opened. Without functions.txt
// nothing is read at all; an unknown folder counts as a missing functions.txt.
std::vector<std::string> ReadKnownWords(const std::optional<std::string>& configFolder);
