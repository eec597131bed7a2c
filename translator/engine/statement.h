// What a statement handler works on: the lexer holding exactly one statement (token 0 is the
// keyword that chose the handler), the PHP file being written and the file's block state.
#pragma once

#include <ostream>

#include "engine/file_state.h"
#include "lexer/lexer.h"

struct Statement {
    CLexer& lexer;
    std::ostream& out;
    FileState& state;
};

using StatementHandler = void (*)(Statement&);
