// Print and declarations. A declaration is split into items at the commas outside brackets
// and parentheses; each item becomes one PHP line and one registered name.
#include "engine/declarations.h"

#include "driver/die.h"
#include "driver/strings.h"
#include "engine/expression.h"
#include "engine/frame.h"
#include "engine/symbols.h"

namespace {

[[noreturn]] void UnexpectedEnd() { Die("Unexpected end of line"); }

bool IsConstKind(int kind) { return kind == DEF_TYPE_CONST || kind == DEF_TYPE_CONST_CLASS; }

// The value after "=", which must be there.
std::string Value(const std::vector<std::string>& tokens, std::size_t from) {
    return MainParseRequired(std::vector<std::string>(tokens.begin() + static_cast<long>(from),
                                                      tokens.end()));
}

std::string WithoutFinalSpace(std::string text) {
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string WithoutFinalCharacter(std::string text) {
    if (!text.empty()) text.pop_back();
    return text;
}

// name As Class [( arguments )]
std::string NewObject(const std::vector<std::string>& item, std::size_t as) {
    std::string className;
    std::size_t p = as + 1;
    for (; p < item.size() && item[p] != "("; ++p) className += item[p];
    if (className.empty()) UnexpectedEnd();
    std::string arguments;
    if (as + 2 < item.size()) {
        arguments = WithoutFinalCharacter(MainParse(
            std::vector<std::string>(item.begin() + static_cast<long>(as + 2), item.end())));
    }
    CVariableObject object;
    object.AddClassName(className);
    object.AddObjectVar(item[0]);
    AddObjectVarToScopeList(object);
    return " = new " + className + arguments + ";";
}

std::size_t FindEqualsOrAs(const std::vector<std::string>& item, std::size_t from) {
    for (std::size_t i = from; i < item.size(); ++i) {
        if (item[i] == "=" || item[i] == "as") return i;
    }
    return item.size();
}

// name [ dimensions ] [= value | As Class]
std::string Dimensioned(const std::vector<std::string>& item, const std::string& var) {
    if (item.size() > 2 && item[2] == "]") return " " + var + " = Array();";
    std::size_t end = FindEqualsOrAs(item, 1);
    std::string dimensions =
        MainParse(std::vector<std::string>(item.begin() + 1, item.begin() + static_cast<long>(end)));
    if (end == item.size()) return " " + var + dimensions + "= NULL;";
    if (item[end] == "as") return " " + var + WithoutFinalSpace(dimensions) + NewObject(item, end);
    return " " + var + dimensions + "= " + WithoutFinalSpace(Value(item, end + 1)) + ";";
}

std::string Assignment(const std::vector<std::string>& item, int kind) {
    std::string name = item[0];
    if (kind == DEF_TYPE_CONST) {
        return " define(\"" + UpperString(name) + "\"," + Value(item, 2) + ");";
    }
    if (kind == DEF_TYPE_CONST_CLASS) return " " + UpperString(name) + " = " + Value(item, 2) + ";";
    return " $" + name + " = " + WithoutFinalSpace(Value(item, 2)) + ";";
}

// A name without a usable form: constants need a value, variables start out empty.
std::string PlainDeclaration(const std::string& name, int kind) {
    if (IsConstKind(kind)) Die("Constant must be initialized");
    if (kind == DEF_TYPE_GLOBAL) return " $" + name + ";";
    return " $" + name + " = NULL;";
}

std::string DefinitionText(const std::vector<std::string>& item, int kind) {
    const std::string& name = item[0];
    if (item.size() == 1) return PlainDeclaration(name, kind);
    if (item[1] == "[") return Dimensioned(item, "$" + name);
    if (item[1] == "as") return " $" + name + NewObject(item, 1);
    if (item[1] == "=") return Assignment(item, kind);
    return PlainDeclaration(name, kind);
}

// A global re-declared inside a function also brings the class of a file-level object.
void RegisterGlobal(const std::string& name) {
    AddVarToScopeList(name);
    const CVariableObject* object = localObjectList.front().FindObject(name);
    if (object != nullptr) AddObjectVarToScopeList(CVariableObject(*object));
}

void Register(const std::string& name, int kind) {
    switch (kind) {
        case DEF_TYPE_CONST: AddConstToConstList(name); break;
        case DEF_TYPE_CONST_CLASS: AddConstToClassList(name); break;
        case DEF_TYPE_FIELD: AddFieldToClassList(name); break;
        case DEF_TYPE_GLOBAL: RegisterGlobal(name); break;
        default: AddVarToScopeList(name); break;
    }
}

int ConstKind(const FileState& state) {
    if (state.inType && state.inMethod) Die("Cannot declare constant here");
    if (!state.inType && state.inFunction) Die("Cannot declare constant here");
    return state.inType ? DEF_TYPE_CONST_CLASS : DEF_TYPE_CONST;
}

int DeclarationKind(const Statement& statement) {
    const std::string& keyword = statement.Token(0);
    if (keyword == "field") {
        if (classList.empty()) Die("Unexpected 'field' token");
        return DEF_TYPE_FIELD;
    }
    if (keyword == "local") return DEF_TYPE_LOCAL;
    if (keyword == "global") return DEF_TYPE_GLOBAL;
    return ConstKind(statement.state);
}

// "global $g = 5;" does not parse, so a global with a value is announced first and then set.
std::string LineOf(const std::vector<std::string>& item, int kind, std::string text) {
    if (kind == DEF_TYPE_CONST_CLASS) return "const " + text;
    if (kind != DEF_TYPE_GLOBAL) return text;
    std::string announcement = "global  $" + item[0] + ";";
    return text == " $" + item[0] + ";" ? announcement : announcement + text;
}

void DeclareItem(const Statement& statement, const std::vector<std::string>& item, int kind) {
    std::string line = LineOf(item, kind, CreateDefinition(item, kind));
    if (statement.state.inExtern) {
        WriteTraceOnly(statement.out);
    } else {
        WritePHP(statement.out, line);
    }
}

}  // namespace

// Print expression   ("&" joins strings, except inside parentheses)
void PrintStatement(Statement& statement) {
    std::vector<std::string> tokens = statement.TokensFrom(1);
    bool inParentheses = false;
    for (std::string& token : tokens) {
        if (token == "(") inParentheses = true;
        if (token == ")") inParentheses = false;
        if (!inParentheses && token == "&") token = ".";
    }
    std::string value = MainParse(tokens);
    WritePHP(statement.out, "echo " + (value.empty() ? std::string("\"\"") : value) + ";");
}

// Local|Global|Field|Const item {, item}
// An item still inside brackets or parentheses when the statement ends is dropped.
void DeclarationStatement(Statement& statement) {
    int kind = DeclarationKind(statement);
    std::vector<std::string> item;
    bool inBrackets = false;
    int depth = 0;
    for (std::size_t i = 1; i < statement.Count(); ++i) {
        const std::string& token = statement.Token(i);
        if (token == "," && !inBrackets && depth == 0) {
            DeclareItem(statement, item, kind);
            item.clear();
            continue;
        }
        item.push_back(token);
        if (token == "[") inBrackets = true;
        if (token == "]") inBrackets = false;
        if (token == "(") ++depth;
        if (token == ")") --depth;
        if (i + 1 == statement.Count() && !inBrackets && depth == 0) {
            DeclareItem(statement, item, kind);
        }
    }
}

std::string CreateDefinition(const std::vector<std::string>& item, int kind) {
    if (item.empty()) UnexpectedEnd();
    const std::string& name = item[0];
    if (IsDefined(name)) Die("Identifier '" + name + "' is already defined.");
    std::string text = DefinitionText(item, kind);
    Register(name, kind);
    if (kind == DEF_TYPE_FIELD) text = fieldAccess + " " + text;
    return text;
}
