// Symbol tables: the registration checks and their messages in order (reserved PHP word, then
// duplicate), the definition test, and the discipline of scopes and blocks as the expression
// translator sees it.
#include "engine/symbols.h"

#include <gtest/gtest.h>

#include <functional>

#include "driver/word_lists.h"
#include "engine/expression.h"
#include "test_support.h"

namespace {

using Registration = std::function<void(const std::string&)>;

struct RegistrationCase {
    const char* operation;
    Registration add;
    std::string duplicateMessage;  // with NAME standing for the name
};

const RegistrationCase kRegistrations[] = {
    {"AddFunctionToFuncList", AddFunctionToFuncList, "Function 'NAME' already exists"},
    {"AddConstToConstList", AddConstToConstList, "Constant definition 'NAME' already exists"},
    {"AddVarToScopeList", AddVarToScopeList, "Definition 'NAME' already exists"},
    {"AddFieldToClassList", AddFieldToClassList, "Definition 'NAME' already exists"},
    {"AddMethodToClassList", AddMethodToClassList, "Definition 'NAME' already exists"},
    {"AddConstToClassList", AddConstToClassList, "Definition 'NAME' already exists"},
};

std::string Named(std::string message, const std::string& name) {
    return message.replace(message.find("NAME"), 4, name);
}

std::string Reserved(const std::string& name) {
    return "This is a reserved PHP identifier '" + name + "', use another identifier";
}

// Translates one identifier, or gives the report that ends the translation.
std::string Resolve(const std::string& name) {
    std::string php;
    std::string report = ReportOf([&] { php = MainParse({name}); });
    return report == "no error" ? php : report;
}

std::string NotFound(const std::string& name) {
    return Report("Identifier not found - " + name);
}

class SymbolTables : public TranslatorTablesTest {
protected:
    void SetUp() override {
        TranslatorTablesTest::SetUp();
        AddClass("foo");
    }
};

TEST_F(SymbolTables, EveryRegistrationRejectsReservedPhpWordsExactly) {
    for (const RegistrationCase& c : kRegistrations) {
        EXPECT_EQ(ReportOf([&] { c.add("echo"); }), Report(Reserved("echo"))) << c.operation;
        EXPECT_EQ(ReportOf([&] { c.add("List"); }), Report(Reserved("List"))) << c.operation;
        EXPECT_EQ(ReportOf([&] { c.add("list"); }), "no error") << c.operation;
    }
}

TEST_F(SymbolTables, EveryRegistrationRejectsADuplicateAndChangesNothing) {
    for (const RegistrationCase& c : kRegistrations) {
        ASSERT_EQ(ReportOf([&] { c.add("twice"); }), "no error") << c.operation;
        const CClassBranch before = classList.back();
        const std::size_t names = localDefList.back().branches.back().names.size();
        EXPECT_EQ(ReportOf([&] { c.add("twice"); }), Report(Named(c.duplicateMessage, "twice")))
            << c.operation;
        EXPECT_EQ(classList.back().fields, before.fields) << c.operation;
        EXPECT_EQ(classList.back().methods, before.methods) << c.operation;
        EXPECT_EQ(classList.back().consts, before.consts) << c.operation;
        EXPECT_EQ(localDefList.back().branches.back().names.size(), names) << c.operation;
    }
}

// A name registered before the word list named it: the reserved word is reported, not the
// duplicate.
TEST_F(SymbolTables, TheReservedWordIsReportedBeforeTheDuplicate) {
    for (const RegistrationCase& c : kRegistrations) {
        c.add("later");
    }
    ClearWordLists();
    LoadWordLists("", "later\n");
    for (const RegistrationCase& c : kRegistrations) {
        EXPECT_EQ(ReportOf([&] { c.add("later"); }), Report(Reserved("later"))) << c.operation;
    }
}

TEST_F(SymbolTables, ClassMembersAreDuplicatesOnlyWithinTheirOwnListAndClass) {
    AddFieldToClassList("run");
    AddMethodToClassList("run");
    AddConstToClassList("run");
    AddClass("bar");
    AddFieldToClassList("run");
    EXPECT_EQ(classList[0].fields, std::vector<std::string>{"run"});
    EXPECT_EQ(classList[0].methods, std::vector<std::string>{"run"});
    EXPECT_EQ(classList[1].fields, std::vector<std::string>{"run"});
    EXPECT_EQ(ReportOf([] { AddFieldToClassList("run"); }),
              Report("Definition 'run' already exists"));
}

TEST_F(SymbolTables, ObjectVariablesAreAddedToTheCurrentObjectScopeWithoutChecks) {
    CVariableObject object;
    object.AddObjectVar("obj");
    object.AddClassName("foo");
    AddObjectVarToScopeList(object);
    AddObjectVarToScopeList(object);
    ASSERT_EQ(localObjectList.back().objects.size(), 2u);
    EXPECT_EQ(localObjectList.back().objects[1].objectVar, "obj");
    EXPECT_EQ(localObjectList.back().objects[1].className, "foo");
}

TEST_F(SymbolTables, IsDefinedForNamesThatCannotBeDeclared) {
    AddFunctionToFuncList("tax");
    AddFunctionToFuncList("tol_sqrt");
    AddVarToScopeList("total");
    AddConstToConstList("limit");
    AddFieldToClassList("field");
    const std::pair<std::string, bool> cases[] = {
        {"1abc", true},      {".x", true},        {"+x", true},        {"~", true},
        {"include", true},   {"print", true},     {"spare54", true},   {"last", false},
        {"foo", true},       {"tax", true},       {"tol_sqrt", true},  {"sqrt", true},
        {"tol_tax", false},  {"total", false},    {"limit", false},    {"field", false},
        {"fresh", false},    {"echo", false},     {"Print", false},
    };
    for (const auto& [name, defined] : cases) {
        EXPECT_EQ(IsDefined(name), defined) << name;
    }
}

TEST_F(SymbolTables, AFunctionMayTakeTheNameOfAVariableButNotTheOtherWayRound) {
    AddVarToScopeList("v");
    EXPECT_FALSE(IsDefined("v"));
    EXPECT_EQ(ReportOf([] { AddFunctionToFuncList("v"); }), "no error");
    EXPECT_TRUE(IsDefined("v"));
}

// Expressions would write such a variable as the library function, so it is refused also where
// no declaration test runs (parameters, loop variables).
TEST_F(SymbolTables, AVariableCannotTakeTheNameOfALibraryFunction) {
    AddFunctionToFuncList("tol_left");
    EXPECT_EQ(ReportOf([] { AddVarToScopeList("left"); }),
              Report("Identifier 'left' is already defined."));
    EXPECT_EQ(ReportOf([] { AddVarToScopeList("tol_left"); }), "no error");
}

TEST_F(SymbolTables, ANameLeavesWithItsBlock) {
    AddVarToScopeList("outer");
    localDefList.back().OpenBlock();
    AddVarToScopeList("inner");
    EXPECT_EQ(Resolve("outer"), "$outer");
    EXPECT_EQ(Resolve("inner"), "$inner");
    EXPECT_EQ(ReportOf([] { AddVarToScopeList("outer"); }),
              Report("Definition 'outer' already exists"))
        << "every block of the scope is searched";
    localDefList.back().OpenBlock();
    EXPECT_EQ(ReportOf([] { AddVarToScopeList("inner"); }),
              Report("Definition 'inner' already exists"));
    localDefList.back().CloseBlock();
    localDefList.back().CloseBlock();
    EXPECT_EQ(Resolve("inner"), NotFound("inner"));
    EXPECT_EQ(ReportOf([] { AddVarToScopeList("inner"); }), "no error");
    EXPECT_EQ(Resolve("outer"), "$outer");
}

TEST_F(SymbolTables, AFunctionBodySeesOnlyItsOwnVariablesAndObjects) {
    AddVarToScopeList("total");
    AddVarToScopeList("obj");
    AddFieldToClassList("field");
    CVariableObject object;
    object.AddObjectVar("obj");
    object.AddClassName("foo");
    AddObjectVarToScopeList(object);
    AddConstToConstList("limit");
    AddFunctionToFuncList("tax");

    OpenScope();
    EXPECT_EQ(Resolve("total"), NotFound("total"));
    EXPECT_EQ(ReportOf([] { MainParse({"this", "\\", "field"}); }), NotFound("field"));
    EXPECT_EQ(Resolve("limit"), "LIMIT") << "constants are global";
    EXPECT_EQ(Resolve("tax"), "tax") << "functions are global";
    EXPECT_EQ(ReportOf([] { AddVarToScopeList("total"); }), "no error");
    EXPECT_EQ(Resolve("total"), "$total");
    CloseScope();

    EXPECT_EQ(Resolve("total"), "$total");
    EXPECT_EQ(MainParse({"this", "\\", "field"}), "$this->field");
}

}  // namespace
