// The statement table: one row per statement keyword, tested in order; a statement whose
// first token is in no row is an expression statement.
#include "engine/dispatch.h"

#include <string_view>

#include "engine/control_flow.h"
#include "engine/declarations.h"
#include "engine/expression.h"
#include "engine/frame.h"
#include "engine/functions.h"
#include "engine/includes.h"

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
    {"include", IncludeStatement},
    {"print", PrintStatement},
    {"function", FunctionStatement},
    {"endfunction", EndFunctionStatement},
    {"method", MethodStatement},
    {"endmethod", EndMethodStatement},
    {"return", ReturnStatement},
    {"type", TypeStatement},
    {"endtype", EndTypeStatement},
    {"until", UntilStatement},
    {"repeat", RepeatStatement},
    {"forever", ForeverStatement},
    {"while", WhileStatement},
    {"wend", WendStatement},
    {"if", IfStatement},
    {"elseif", ElseIfStatement},
    {"else", ElseStatement},
    {"endif", EndIfStatement},
    {"select", SelectStatement},
    {"endselect", EndSelectStatement},
    {"case", CaseStatement},
    {"default", DefaultStatement},
    {"for", ForStatement},
    {"next", NextStatement},
    {"field", DeclarationStatement},
    {"local", DeclarationStatement},
    {"global", DeclarationStatement},
    {"const", DeclarationStatement},
    {"public", PublicStatement},
    {"private", PrivateStatement},
    {"end", EndStatement},
    {"exit", ExitStatement},
    {"continue", ContinueStatement},
    {"extern", ExternStatement},
    {"endextern", EndExternStatement},
};

}  // namespace

void DispatchStatement(Statement& statement) {
    const std::string& keyword = statement.lexer.tokens.front();
    for (const StatementRow& row : kStatementTable) {
        if (keyword == row.keyword) {
            row.handler(statement);
            return;
        }
    }
    ExpressionStatement(statement);
}
