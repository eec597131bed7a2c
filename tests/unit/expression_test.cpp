// Expression translation: source lines lexed as the frame lexes a statement and translated
// against a fixed set of names (variables total, price, a, b, x and obj; constant limit;
// function tax; library function tol_sqrt; type foo with field field, method run and
// constant max; obj an object of foo). The order in which a name is resolved, members,
// comments, "as" and the reports.
#include "engine/expression.h"

#include <gtest/gtest.h>

#include "driver/settings.h"
#include "engine/symbols.h"
#include "lexer/lexer.h"
#include "test_support.h"

namespace {

struct ExpressionCase {
    std::string source;
    std::string php;
};

class Expressions : public TranslatorTablesTest {
protected:
    void SetUp() override {
        TranslatorTablesTest::SetUp();
        for (const char* name : {"total", "price", "a", "b", "x", "obj"}) AddVarToScopeList(name);
        AddConstToConstList("limit");
        AddFunctionToFuncList("tax");
        AddFunctionToFuncList("tol_sqrt");
        AddClass("foo");
        AddFieldToClassList("field");
        AddMethodToClassList("run");
        AddConstToClassList("max");
        AddObject("obj", "foo");
    }

    static void AddObject(const std::string& name, const std::string& className) {
        CVariableObject object;
        object.AddObjectVar(name);
        object.AddClassName(className);
        AddObjectVarToScopeList(object);
    }

    // The translation of source, or the report that ended it.
    static std::string Translate(const std::string& source) {
        CLexer lexer;
        lexer.LexLine(source, true, false);
        std::string php;
        std::string report = ReportOf([&] { php = MainParse(lexer.tokens); });
        return report == "no error" ? php : report;
    }

    static void ExpectAll(const std::vector<ExpressionCase>& cases) {
        for (const ExpressionCase& c : cases) EXPECT_EQ(Translate(c.source), c.php) << c.source;
    }
};

std::string NotFound(const std::string& name) {
    return Report("Identifier not found - " + name);
}

TEST_F(Expressions, TranslatesTheWorkedExamples) {
    ExpectAll({
        {"total = price * 2 + tax(price)", "$total= $price* 2 + tax( $price) "},
        {"a==b", "$a==$b"},
        {"1==b", "1 == $b"},
        {"a && b", "$a&& $b"},
        {"a===b", "$a=== $b"},
        {"x = limit", "$x= LIMIT"},
        {"sqrt(x)", "tol_sqrt( $x) "},
        {"obj\\field", "$obj->field"},
        {"obj\\run()", "$obj->run( ) "},
        {"foo:max", "foo::MAX"},
        {"this\\field", "$this->field"},
        {"x=-1", "$x=- 1 "},
    });
}

TEST_F(Expressions, RewritesOperatorsAndSpacesThemByTheirRules) {
    ExpectAll({
        {"", ""},
        {"a != b", "$a!=$b"},
        {"1 != b", "1 != $b"},
        {"a!==b", "$a!== $b"},
        {"== b", "==$b"},
        {"a & b", "$a. $b"},
        {"\"a\" & \"b\"", "\"a\". \"b\""},
        {"a & & b", "$a&& $b"},
        {"a & array(1)", "$a,array( 1 ) "},
        {"a | b", "$a| $b"},
        {"a || b", "$a|| $b"},
        {"a <> b", "$a<> $b"},
        {"(a + 1.5) / .5", "( $a+ 1.5 ) / .5 "},
        {"x = \"It's ~q~b\"", "$x= \"It's \\\"<br />\""},
        {"this", "$this"},
        {"print true", "printtrue"},
        {"last", "last"},
        {"foo", "foo"},
    });
}

TEST_F(Expressions, ResolvesANameByItsLastMatchingKind) {
    AddVarToScopeList("print");          // a keyword
    AddFunctionToFuncList("twin");       // a function under its own name
    AddVarToScopeList("twin");
    AddConstToConstList("b");            // b is a variable too
    // whose "tol_" form is a function: a state that registration refuses, set up directly
    localDefList.back().AddVarLeaf("sqrt");
    AddFunctionToFuncList("tol_cube");   // and a variable of the prefixed name
    AddVarToScopeList("tol_cube");
    ExpectAll({
        {"print", "$print"},
        {"twin", "$twin"},
        {"b", "$b"},
        {"sqrt", "tol_sqrt"},
        {"cube", "$tol_cube"},
        {"limit", "LIMIT"},
    });
}

TEST_F(Expressions, TheFirstRegisteredFunctionFormDecides) {
    AddFunctionToFuncList("tol_half");
    AddFunctionToFuncList("half");
    AddFunctionToFuncList("double");
    AddFunctionToFuncList("tol_double");
    ExpectAll({{"half", "tol_half"}, {"double", "double"}});
}

TEST_F(Expressions, LooksUpAMemberAmongTheObjectsOfTheCurrentScope) {
    AddClass("bar");
    AddConstToClassList("field");  // field is a constant of bar and a field of foo
    AddConstToClassList("top");
    AddMethodToClassList("field");
    AddClass("baz");
    AddFieldToClassList("zed");  // no object of baz exists
    AddObject("other", "bar");
    ExpectAll({
        {"obj\\field", "$obj->field"},
        {"a\\max", "$a->MAX"},
        {"obj\\top", "$obj->TOP"},
        {"obj:top", "$obj::TOP"},
        {"obj\\zed", NotFound("zed")},
        {"obj\\total", NotFound("total")},
        {"obj\\limit", NotFound("limit")},
        {"obj\\sqrt", "$obj->tol_sqrt"},
        {"obj\\tax", "$obj->tax"},
        {"obj\\field = total", "$obj->field= $total"},
    });
}

class ExpressionsWithoutTypes : public TranslatorTablesTest {};

TEST_F(ExpressionsWithoutTypes, FindNoMember) {
    AddVarToScopeList("obj");
    EXPECT_EQ(ReportOf([] { MainParse({"obj", "\\", "field"}); }),
              Report("Identifier not found - field"));
}

TEST_F(Expressions, DropsCommentsUnlessTheyAreKept) {
    ExpectAll({
        {"a = 1 ' note", "$a= 1 "},
        {"' note", ""},
        {"a // b", "$a"},
    });
    outputComments = 1;
    ExpectAll({
        {"a = 1 ' note", "$a= 1 /* note */ "},
        {"' note", "/* note */ "},
        {"' a */ b", "/* a * / b */ "},
        {"a // b", "$a/**/ $b"},
    });
}

TEST_F(Expressions, AsMakesTheFirstNameAnObjectOfTheClass) {
    AddVarToScopeList("shop");
    EXPECT_EQ(Translate("shop as foo"), "$shop = new  foo");
    const CVariableObject& object = localObjectList.back().objects.back();
    EXPECT_EQ(object.objectVar, "shop");
    EXPECT_EQ(object.className, "foo");
    EXPECT_EQ(Translate("as foo"), "= new  foo") << "the leading space goes";
    EXPECT_EQ(Translate("shop as"), Report("Unexpected end of line"));
}

TEST_F(Expressions, ReportsANameThatResolvesToNothing) {
    ExpectAll({
        {"Totl = 1", NotFound("totl")},
        {"total = Pric", NotFound("pric")},
        {"tax2(1)", NotFound("tax2")},
        {"tol_tax", NotFound("tol_tax")},
    });
}

}  // namespace
