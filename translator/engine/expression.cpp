// Expression translation. Each token is rewritten by the first rule that fits it and followed
// by a separator; the separator a rule sets stays until another rule sets it again.
#include "engine/expression.h"

#include "driver/die.h"
#include "driver/settings.h"
#include "driver/strings.h"
#include "driver/word_lists.h"
#include "engine/symbols.h"
#include "lexer/lexer.h"

namespace {

// A kept comment is written as a block comment, so that the ")", ";" or ":" that a statement
// writes after its expression stays code.
std::string BlockComment(const std::string& comment) {
    std::string text = comment.substr(2);
    for (std::size_t at; (at = text.find("*/")) != std::string::npos;) text.replace(at, 2, "* /");
    return "/*" + text + "*/";
}

class ExpressionTranslator {
public:
    explicit ExpressionTranslator(const std::vector<std::string>& tokens) : tokens_(tokens) {}
    std::string Translate();

private:
    bool NextIs(const char* text) const {
        return index_ + 1 < tokens_.size() && tokens_[index_ + 1] == text;
    }
    // Rewrites token in place; false when the rest of the list is to be dropped.
    bool RewriteToken(std::string& token);
    void RewriteAmpersand(std::string& token);
    void RewriteComparison(std::string& token);
    void RegisterNewObject();
    void ResolveIdentifier(std::string& token);
    bool ResolveMember(std::string& token);

    const std::vector<std::string>& tokens_;
    std::size_t index_ = 0;
    std::string separator_;
    bool afterMember_ = false;
};

std::string ExpressionTranslator::Translate() {
    std::string result;
    for (index_ = 0; index_ < tokens_.size(); ++index_) {
        std::string token = tokens_[index_];
        if (!RewriteToken(token)) break;
        result += token;
        result += separator_;
    }
    if (!result.empty() && result[0] == ' ') result.erase(0, 1);
    return result;
}

bool ExpressionTranslator::RewriteToken(std::string& token) {
    if (token.rfind("//", 0) == 0) {
        if (outputComments == 0) return false;
        token = BlockComment(token);
        separator_ = " ";
        return true;
    }
    if (token == "\\" || token == ":") {
        token = token == ":" ? "::" : "->";
        separator_.clear();
        afterMember_ = true;
    } else if (token == "&") {
        RewriteAmpersand(token);
    } else if (token == "|") {
        if (NextIs("|")) {
            token = "||";
            ++index_;
        }
        separator_ = " ";
    } else if (token == "==" || token == "!=") {
        RewriteComparison(token);
    } else if (token[0] == '"') {
        separator_.clear();
    } else if (token == "this") {
        token = "$this";
        separator_.clear();
    } else if (token == "as") {
        RegisterNewObject();
        token = " = new ";
        separator_ = " ";
    } else {
        ResolveIdentifier(token);
    }
    return true;
}

// "&" joins strings, "& &" is a logical and, and "& array" separates array arguments.
void ExpressionTranslator::RewriteAmpersand(std::string& token) {
    if (NextIs("array")) {
        token = ",";
        separator_.clear();
    } else if (NextIs("&")) {
        token = "&&";
        separator_ = " ";
        ++index_;
    } else {
        token = ".";
        separator_ = " ";
    }
}

// "==" or "!=" before "=" is a strict comparison; otherwise the separator stays as it was.
void ExpressionTranslator::RewriteComparison(std::string& token) {
    if (!NextIs("=")) return;
    token += "=";
    separator_ = " ";
    ++index_;
}

// "name As Class" makes name an object of Class for the member lookups that follow.
void ExpressionTranslator::RegisterNewObject() {
    if (index_ + 1 >= tokens_.size()) Die("Unexpected end of line");
    CVariableObject object;
    object.AddClassName(tokens_[index_ + 1]);
    object.AddObjectVar(tokens_[0]);
    AddObjectVarToScopeList(object);
}

// Every step runs; a later match overrides how an earlier one wrote the name.
void ExpressionTranslator::ResolveIdentifier(std::string& token) {
    bool found = false;
    auto match = [&](std::string rewritten) {
        token = std::move(rewritten);
        separator_.clear();
        found = true;
    };
    if (CLexer::IsNumberChar(token[0]) || CLexer::IsOperatorChar(token[0])) {
        separator_ = " ";
        found = true;
    }
    const ProgramName* facts = FindProgramName(token);
    if (IsKeyword(token) || (facts != nullptr && facts->isClass)) match(token);
    if (facts != nullptr && (facts->functionPosition >= 0 || facts->prefixedFunctionPosition >= 0)) {
        bool prefixed = facts->functionPosition < 0 ||
                        (facts->prefixedFunctionPosition >= 0 &&
                         facts->prefixedFunctionPosition < facts->functionPosition);
        if (prefixed) {
            match("tol_" + token);
            facts = FindProgramName(token);
        } else {
            match(token);
        }
    }
    if (!afterMember_) {
        if (!localDefList.empty() && localDefList.back().Contains(token)) {
            match("$" + token);
            facts = nullptr;  // no constant starts with "$"
        }
        if (facts != nullptr && facts->isConstant) match(UpperString(token));
    } else {
        if (!classList.empty() && ResolveMember(token)) match(token);
        afterMember_ = false;
    }
    if (!found) Die("Identifier not found - " + token);
}

// Fields first, then methods, then constants, which are written in upper case.
bool ExpressionTranslator::ResolveMember(std::string& token) {
    if (IsMemberOfScopeObjects(token, MemberKind::kField) ||
        IsMemberOfScopeObjects(token, MemberKind::kMethod)) {
        return true;
    }
    if (!IsMemberOfScopeObjects(token, MemberKind::kConst)) return false;
    token = UpperString(token);
    return true;
}

}  // namespace

std::string MainParse(const std::vector<std::string>& tokens) {
    return ExpressionTranslator(tokens).Translate();
}

std::string MainParseRequired(const std::vector<std::string>& tokens) {
    std::string text = MainParse(tokens);
    if (text.empty()) Die("Unexpected end of line");
    return text;
}
