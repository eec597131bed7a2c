// Token access for statement handlers.
#include "engine/statement.h"

#include "driver/settings.h"
#include "engine/frame.h"

namespace {

const std::string kNoToken;

}  // namespace

const std::string& Statement::Token(std::size_t index) const {
    return index < lexer.tokens.size() ? lexer.tokens[index] : kNoToken;
}

std::vector<std::string> Statement::TokensFrom(std::size_t index) const {
    if (index >= lexer.tokens.size()) return {};
    return std::vector<std::string>(lexer.tokens.begin() + static_cast<long>(index),
                                    lexer.tokens.end());
}

void WriteTraceOnly(std::ostream& out) {
    if (doTrace == 1) WritePHP(out, "");
}
