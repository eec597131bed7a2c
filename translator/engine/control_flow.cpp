// Control flow. The block statements open and close variable blocks of the current scope, so
// that a variable declared inside a block is gone after it. Nothing pairs openers with
// closers beyond that: a closer with no block of its own to close is reported.
#include "engine/control_flow.h"

#include <algorithm>

#include "driver/die.h"
#include "engine/expression.h"
#include "engine/frame.h"
#include "engine/symbols.h"

namespace {

void OpenBlock() { CurrentScope().OpenBlock(); }

// The scope's first block belongs to the scope itself, not to any opener.
void RequireOpenBlock(const Statement& statement) {
    if (!CurrentScope().HasInnerBlock()) Die("Unexpected '" + statement.Token(0) + "' token");
}

void CloseBlock(const Statement& statement) {
    RequireOpenBlock(statement);
    CurrentScope().CloseBlock();
}

std::string Condition(const Statement& statement) {
    return MainParseRequired(statement.TokensFrom(1));
}

void WriteLines(const Statement& statement, std::initializer_list<std::string> lines) {
    for (const std::string& line : lines) WritePHP(statement.out, line);
}

std::size_t Find(const std::vector<std::string>& tokens, std::size_t from, const char* text) {
    for (std::size_t i = from; i < tokens.size(); ++i) {
        if (tokens[i] == text) return i;
    }
    return tokens.size();
}

std::vector<std::string> Slice(const std::vector<std::string>& tokens, std::size_t from,
                               std::size_t to) {
    if (from >= to) return {};
    return std::vector<std::string>(tokens.begin() + static_cast<long>(from),
                                    tokens.begin() + static_cast<long>(to));
}

// The loop variable as PHP sees it: a variable of the current scope gets its "$"; any other
// name cannot be assigned in PHP.
std::string LoopVariable(const std::string& name) {
    if (!CurrentScope().Contains(name)) Die("Identifier not found - " + name);
    return "$" + name;
}

// start To end [Step step]; without "To" the start tokens are also the end.
std::string CountingLoop(const std::vector<std::string>& spec, std::size_t p,
                         const std::string& name) {
    std::size_t to = Find(spec, p, "to");
    std::size_t step = Find(spec, p, "step");
    std::string start = MainParseRequired(Slice(spec, p, std::min(to, step)));
    if (to < spec.size()) p = to + 1;
    step = Find(spec, p, "step");
    std::string end = MainParseRequired(Slice(spec, p, step));
    std::string stepText = "+1";
    std::string comparison = "<=";
    if (step < spec.size()) {
        stepText = MainParseRequired(Slice(spec, step + 1, spec.size()));
        if (stepText[0] == '-') {
            comparison = ">=";
        } else {
            stepText = " +" + stepText;
        }
    }
    std::string var = LoopVariable(name);
    return "for (" + var + " = " + start + ";" + var + " " + comparison + " " + end + ";" + var +
           "=" + var + stepText + ")";
}

// EachIn collection [=> [Local] value]; the value is always taken by reference.
std::string EachInLoop(const std::vector<std::string>& spec, std::size_t p,
                       const std::string& name) {
    std::size_t arrow = Find(spec, p, "=>");
    std::string collection = MainParseRequired(Slice(spec, p, arrow));
    if (arrow == spec.size()) return "foreach (" + collection + " as &" + LoopVariable(name) + ")";
    const std::string& beforeLast = spec[spec.size() - 2];
    const std::string& value = spec.back();
    if (beforeLast == "local") {
        AddVarToScopeList(value);
    } else if (beforeLast != "=>") {
        Die("Unknown end of EachIn loop");
    }
    return "foreach (" + collection + " as " + LoopVariable(name) + " => &$" + value + ")";
}

}  // namespace

// If condition
void IfStatement(Statement& statement) {
    OpenBlock();
    WriteLines(statement, {"if (" + Condition(statement) + ")", "{"});
}

// ElseIf condition
void ElseIfStatement(Statement& statement) {
    CloseBlock(statement);
    WritePHP(statement.out, "}");
    std::string condition = Condition(statement);
    WriteLines(statement, {"elseif (" + condition + ")", "{"});
    OpenBlock();
}

// Else
void ElseStatement(Statement& statement) {
    CloseBlock(statement);
    WriteLines(statement, {"}", "else", "{"});
    OpenBlock();
}

// EndIf
void EndIfStatement(Statement& statement) {
    CloseBlock(statement);
    WritePHP(statement.out, "}");
}

// Select selector
void SelectStatement(Statement& statement) {
    WriteLines(statement, {"switch (" + Condition(statement) + ")", "{"});
}

// Case value
void CaseStatement(Statement& statement) {
    WritePHP(statement.out, "case " + Condition(statement) + ":");
}

// Default
void DefaultStatement(Statement& statement) {
    WritePHP(statement.out, "default " + MainParse(statement.TokensFrom(1)) + ":");
}

// EndSelect
void EndSelectStatement(Statement& statement) { WritePHP(statement.out, "}"); }

// While condition
void WhileStatement(Statement& statement) {
    OpenBlock();
    WriteLines(statement, {"while (" + Condition(statement) + ")", "{"});
}

// Wend
void WendStatement(Statement& statement) {
    CloseBlock(statement);
    WritePHP(statement.out, "}");
}

// Repeat
void RepeatStatement(Statement& statement) {
    OpenBlock();
    WriteLines(statement, {"do", "{"});
}

// Until condition   (the condition still sees the variables of the loop body)
void UntilStatement(Statement& statement) {
    RequireOpenBlock(statement);
    WritePHP(statement.out, "} while (!(" + Condition(statement) + "));");
    CurrentScope().CloseBlock();
}

// Forever
void ForeverStatement(Statement& statement) {
    CloseBlock(statement);
    WriteLines(statement, {"}", "while (true);"});
}

// For [Local] name = start To end [Step step]
// For [Local] name = EachIn collection [=> [Local] value]
void ForStatement(Statement& statement) {
    OpenBlock();
    WritePHP(statement.out, CreateForLoopBody(statement.TokensFrom(1)));
    WritePHP(statement.out, "{");
}

std::string CreateForLoopBody(const std::vector<std::string>& spec) {
    bool declares = !spec.empty() && spec[0] == "local";
    std::size_t p = declares ? 2 : 1;
    if (spec.size() < p) Die("Unexpected end of line");
    const std::string& name = spec[p - 1];
    if (declares) AddVarToScopeList(name);
    if (p >= spec.size() || spec[p] != "=") Die("Expecting assignment operator");
    ++p;
    if (p >= spec.size()) Die("Unexpected end of line");
    if (spec[p] == "eachin") return EachInLoop(spec, p + 1, name);
    return CountingLoop(spec, p, name);
}

// Next [name]
void NextStatement(Statement& statement) {
    CloseBlock(statement);
    WritePHP(statement.out, "}");
}

// Exit
void ExitStatement(Statement& statement) { WritePHP(statement.out, "break;"); }

// Continue
void ContinueStatement(Statement& statement) { WritePHP(statement.out, "continue;"); }

// End
void EndStatement(Statement& statement) { WritePHP(statement.out, "exit;"); }
