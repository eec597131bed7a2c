// The statement table: one row per statement keyword, tested in order; a statement whose
// first token is in no row is an expression statement.
#include "engine/dispatch.h"

#include <string_view>

#include "engine/expression.h"
#include "engine/frame.h"

namespace {

struct StatementRow {
    std::string_view keyword;
    StatementHandler handler;
};

// An assignment or a call: the whole statement is one expression.
void ExpressionStatement(Statement& statement) {
    std::string php = MainParse(statement.lexer.tokens);
    if (!php.empty()) WritePHP(statement.out, php + ";");
}

constexpr StatementRow kStatementTable[] = {
    {"", nullptr},
};

}  // namespace

void DispatchStatement(Statement& statement) {
    const std::string& keyword = statement.lexer.tokens.front();
    for (const StatementRow& row : kStatementTable) {
        if (row.handler != nullptr && keyword == row.keyword) {
            row.handler(statement);
            return;
        }
    }
    ExpressionStatement(statement);
}
