// Loading and looking up the word lists. The tables keep file order; sets beside them answer
// the lookups, which run for every identifier translated.
#include "driver/word_lists.h"

#include <unordered_set>

#include "driver/die.h"
#include "driver/strings.h"
#include "engine/source_reader.h"

namespace {

std::unordered_set<std::string> keywordSet;
std::unordered_set<std::string> declarationKeywordSet;
std::unordered_set<std::string> phpKeywordSet;

// Every line counts, a blank one and the empty text after a final line break included.
void LoadKeywordTable() {
    SourceReader in("../config/keywords.txt");
    if (!in.IsOpen()) Die("Cannot open config/keywords.txt!");
    std::size_t slot = 0;
    while (!in.Exhausted()) {
        std::string line = in.Next();
        if (slot == keywordAmount) Die("config/keywords.txt holds more than 56 lines!");
        sKeywords[slot++] = LowerString(ExplodeString(":", line).front());
    }
    for (std::size_t i = 0; i < keywordAmount; ++i) {
        keywordSet.insert(sKeywords[i]);
        if (i + 1 < keywordAmount) declarationKeywordSet.insert(sKeywords[i]);
    }
}

void LoadPhpWords() {
    SourceReader in("../config/php.txt");
    if (!in.IsOpen()) Die("Cannot open config/php.txt!");
    while (!in.Exhausted()) {
        std::string line = in.Next();
        if (!line.empty() && line.back() == '\r') line.pop_back();
        phpKeywords.push_back(line);
        phpKeywordSet.insert(line);
    }
}

}  // namespace

void LoadKeywords() {
    LoadKeywordTable();
    LoadPhpWords();
}

// Empty slots are never looked up: no token is empty.
bool IsKeyword(const std::string& word) { return keywordSet.count(word) != 0; }
bool IsDeclarationKeyword(const std::string& word) {
    return declarationKeywordSet.count(word) != 0;
}
bool IsReservedPhpWord(const std::string& word) { return phpKeywordSet.count(word) != 0; }

void ClearWordLists() {
    sKeywords = {};
    phpKeywords.clear();
    keywordSet.clear();
    declarationKeywordSet.clear();
    phpKeywordSet.clear();
}
