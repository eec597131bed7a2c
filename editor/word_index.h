// Finds the first known word that equals a typed word when ASCII letter case is ignored.
// The answer is the one a walk through the list in order would give, found by one hash
// lookup instead of a walk, because the question is asked on every key release.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

// `text` with the ASCII capitals A to Z lowered; every other byte unchanged.
std::string FoldAsciiCase(std::string text);

bool EqualsIgnoringAsciiCase(const std::string& a, const std::string& b);

class WordIndex {
  public:
    WordIndex() = default;
    explicit WordIndex(const std::vector<std::string>& words);

    // The earliest word of the list that equals `word` ignoring ASCII case, or null.
    const std::string* FirstMatch(const std::string& word) const;

  private:
    std::unordered_map<std::string, std::string> firstSpelling;  // folded word -> first entry
};
