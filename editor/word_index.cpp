// The index keeps, for every case-folded word, the spelling of its earliest entry: later
// entries that differ only in case never replace it, which is what makes the first match win.
#include "word_index.h"

std::string FoldAsciiCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && FoldAsciiCase(a) == FoldAsciiCase(b);
}

WordIndex::WordIndex(const std::vector<std::string>& words) {
    firstSpelling.reserve(words.size());
    for (const std::string& word : words) firstSpelling.emplace(FoldAsciiCase(word), word);
}

const std::string* WordIndex::FirstMatch(const std::string& word) const {
    const auto found = firstSpelling.find(FoldAsciiCase(word));
    return found == firstSpelling.end() ? nullptr : &found->second;
}
