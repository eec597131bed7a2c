// Word files are read line by line; a "\r" before the "\n" stays part of the line, so a
// word-only line written with DOS line ends gives a word that never matches.
#include "word_files.h"

#include <fstream>
#include <iostream>

bool AppendWordsOfFile(const std::string& path, std::vector<std::string>& words) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty()) words.push_back(line.substr(0, line.find(':')));
    }
    return true;
}

std::vector<std::string> ReadKnownWords(const std::optional<std::string>& configFolder) {
    std::vector<std::string> words;
    if (!configFolder || !AppendWordsOfFile(*configFolder + "/functions.txt", words)) {
        std::cerr << "Tolva Warning: Cannot open config/functions.txt!\n";
        return words;
    }
    if (!AppendWordsOfFile(*configFolder + "/keywords.txt", words)) {
        std::cerr << "Tolva Warning: Cannot open config/keywords.txt!\n";
    }
    return words;
}
