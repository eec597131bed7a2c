// Dispatch of a statement on its first token.
#pragma once

#include "engine/statement.h"

// Hands the statement to the handler of its keyword, or translates it as an expression
// statement when token 0 is no statement keyword.
void DispatchStatement(Statement& statement);
