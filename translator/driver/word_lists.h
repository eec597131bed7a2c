// The words that user identifiers must not take: the language's own words, loaded from
// "../config/keywords.txt", and the identifiers PHP reserves, from "../config/php.txt".
#pragma once

#include <array>
#include <string>
#include <vector>

inline constexpr std::size_t keywordAmount = 56;
inline std::array<std::string, keywordAmount> sKeywords;  // lower case, file order
inline std::vector<std::string> phpKeywords;              // as written, file order

void LoadKeywords();

bool IsKeyword(const std::string& word);  // any of the keyword slots
// The declaration test leaves out the last slot of the keyword table.
bool IsDeclarationKeyword(const std::string& word);
bool IsReservedPhpWord(const std::string& word);

void ClearWordLists();
