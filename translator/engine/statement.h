// What a statement handler works on: the lexer holding exactly one statement (token 0 is the
// keyword that chose the handler), the PHP file being written and the file's block state.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/file_state.h"
#include "lexer/lexer.h"

struct Statement {
    CLexer& lexer;
    std::ostream& out;
    FileState& state;

    std::size_t Count() const { return lexer.tokens.size(); }
    // The token at index, or an empty text past the end of the statement.
    const std::string& Token(std::size_t index) const;
    std::vector<std::string> TokensFrom(std::size_t index) const;
};

using StatementHandler = void (*)(Statement&);

// Under "-t", an empty line that still carries the statement's trace, for statements that
// write nothing else.
void WriteTraceOnly(std::ostream& out);
