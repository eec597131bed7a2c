// Functions, methods and types. A function or method body gets a variable scope and an object
// scope of its own; inside an extern block only the names are registered and no PHP is
// written, so the scopes close again at once.
#include "engine/functions.h"

#include "driver/die.h"
#include "driver/word_lists.h"
#include "engine/expression.h"
#include "engine/frame.h"
#include "engine/symbols.h"

namespace {

constexpr std::size_t kFirstParameter = 3;  // after the name and its "("

[[noreturn]] void UnexpectedEnd() { Die("Unexpected end of line."); }

std::string ParameterName(const Statement& statement, std::size_t p) {
    const std::string& name = statement.Token(p);
    if (name.empty() || !CLexer::IsIdentStartChar(name[0])) UnexpectedEnd();
    AddVarToScopeList(name);
    return name;
}

void RegisterTypedParameter(const std::string& name, const std::string& className) {
    if (className.empty()) UnexpectedEnd();
    CVariableObject object;
    object.AddClassName(className);
    object.AddObjectVar(name);
    AddObjectVarToScopeList(object);
}

// ( [name [= default | As Type] {, name ...}] )
// Every parameter is registered in the body's scope. The token after the name is taken to be
// the "(" and is not examined; a default value is one token, copied as it stands.
std::string ParameterText(const Statement& statement) {
    std::string text = "(";
    std::size_t p = kFirstParameter;
    while (p < statement.Count()) {
        if (statement.Token(p) == ")") return text + ")";
        std::string name = ParameterName(statement, p);
        const std::string& next = statement.Token(p + 1);
        if (next == "=") {
            if (p + 2 >= statement.Count()) UnexpectedEnd();
            text += " $" + name + " = " + statement.Token(p + 2);
            p += 3;
        } else if (next == "as") {
            RegisterTypedParameter(name, statement.Token(p + 2));
            text += " $" + name;
            p += 3;
        } else {
            text += " $" + name;
            p += 1;
        }
        if (statement.Token(p) == ")") return text + ")";
        if (statement.Token(p) != ",") UnexpectedEnd();
        text += ", ";
        ++p;
    }
    UnexpectedEnd();
}

// Writes a header and its "{", or, inside an extern block, only the trace and closes the
// scopes that a body would have used.
void WriteHeader(const Statement& statement, const std::string& header) {
    if (statement.state.inExtern) {
        WriteTraceOnly(statement.out);
        CloseScope();
        return;
    }
    WritePHP(statement.out, header);
    WritePHP(statement.out, "{");
}

void RequireName(const Statement& statement) {
    if (statement.Count() < kFirstParameter) UnexpectedEnd();
}

std::string MethodPhpName(const std::string& name) {
    if (name == "constructor") {
        if (fieldAccess == "private") Die("Constructor access must be public");
        return "__construct";
    }
    if (name == "destructor") return "__destruct";
    return name;
}

}  // namespace

// Function name ( parameters ) ...
void FunctionStatement(Statement& statement) {
    FileState& state = statement.state;
    if (state.inType || state.inFunction) Die("Unexpected 'function' token");
    RequireName(statement);
    OpenScope();
    if (!state.inExtern) state.inFunction = true;
    const std::string& name = statement.Token(1);
    if (IsDefined(name)) Die("Identifier '" + name + "' is already defined.");
    WriteHeader(statement, "function " + name + " " + ParameterText(statement));
    AddFunctionToFuncList(name);
}

// EndFunction
void EndFunctionStatement(Statement& statement) {
    FileState& state = statement.state;
    if (state.inType || !state.inFunction) Die("unexpected 'endfunction' token");
    state.inFunction = false;
    CloseScope();
    WritePHP(statement.out, "}");
}

// Method name ( parameters ) ...   where name may be Constructor or Destructor
void MethodStatement(Statement& statement) {
    FileState& state = statement.state;
    if (!state.inType || state.inMethod) Die("Unexpected 'method' token");
    RequireName(statement);
    OpenScope();
    CVariableObject self;
    self.AddClassName(state.currentType);
    self.AddObjectVar("this");
    AddObjectVarToScopeList(self);
    AddVarToScopeList("this");
    if (!state.inExtern) state.inMethod = true;
    std::string phpName = MethodPhpName(statement.Token(1));
    WriteHeader(statement, fieldAccess + " function " + phpName + " " + ParameterText(statement));
    AddMethodToClassList(phpName);
}

// EndMethod
void EndMethodStatement(Statement& statement) {
    FileState& state = statement.state;
    if (!state.inType || !state.inMethod) Die("unexpected 'endmethod' token");
    state.inMethod = false;
    CloseScope();
    WritePHP(statement.out, "}");
}

// Return [expression]
void ReturnStatement(Statement& statement) {
    if (!statement.state.inFunction && !statement.state.inMethod) {
        Die("Unexpected 'return' token");
    }
    std::string value = MainParse(statement.TokensFrom(1));
    WritePHP(statement.out, value.empty() ? "return;" : "return (" + value + ");");
}

// Type name
void TypeStatement(Statement& statement) {
    FileState& state = statement.state;
    if (statement.Count() != 2 || state.inType) Die("Obscure type declaration");
    const std::string& name = statement.Token(1);
    state.currentType = name;
    if (IsDefined(name)) Die("Identifier '" + name + "' is already defined.");
    if (IsReservedPhpWord(name)) {
        Die("This is a reserved PHP identifier '" + name + "', use another identifier");
    }
    AddClass(name);
    if (state.inExtern) {
        WriteTraceOnly(statement.out);
    } else {
        WritePHP(statement.out, "class " + name);
        WritePHP(statement.out, "{");
    }
    state.inType = true;
}

// EndType
void EndTypeStatement(Statement& statement) {
    FileState& state = statement.state;
    if (!state.inType) Die("Unexpected 'EndType' token.");
    if (state.inExtern) {
        WriteTraceOnly(statement.out);
    } else {
        WritePHP(statement.out, "}");
    }
    state.inType = false;
    fieldAccess = "public";
    state.currentType.clear();
}

// Public
void PublicStatement(Statement& statement) {
    if (!statement.state.inType) Die("unexpected 'public' keyword.");
    fieldAccess = "public";
}

// Private
void PrivateStatement(Statement& statement) {
    if (!statement.state.inType) Die("unexpected 'private' keyword.");
    fieldAccess = "private";
}

// Extern
void ExternStatement(Statement& statement) {
    if (statement.state.inExtern) Die("Extern already declared");
    statement.state.inExtern = true;
}

// EndExtern
void EndExternStatement(Statement& statement) {
    if (!statement.state.inExtern) Die("Prior Extern not declared");
    statement.state.inExtern = false;
}
