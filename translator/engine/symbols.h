// Symbol tables: the variables of the current function and block, the constants, functions,
// object variables and classes of the program, and the library modules already included.
// Lookups keep the order in which names were registered (the first match decides), while an
// index beside each list keeps the cost of one lookup independent of the number of names.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// A block: the names declared in it.
struct CBranch {
    std::vector<std::string> names;
    void AddVarLeaf(const std::string& name) { names.push_back(name); }
};

// A scope: a stack of blocks, innermost last. It never starts empty.
class CVariableBranch {
public:
    std::vector<CBranch> branches = std::vector<CBranch>(1);

    void AddVarLeaf(const std::string& name);
    void OpenBlock() { branches.emplace_back(); }
    bool HasInnerBlock() const { return branches.size() > 1; }
    void CloseBlock();  // only while HasInnerBlock()
    bool Contains(const std::string& name) const { return index_.count(name) != 0; }
    // Order of the first registration of name among the names of this scope; -1 when absent.
    long long FirstPosition(const std::string& name) const;

private:
    struct Entry {
        int count = 0;
        long long first = 0;
    };
    std::unordered_map<std::string, Entry> index_;
    long long added_ = 0;
};

// A variable known to hold an object of a class.
struct CVariableObject {
    std::string className;
    std::string objectVar;
    void AddClassName(const std::string& s) { className = s; }
    void AddObjectVar(const std::string& s) { objectVar = s; }
};

// The object variables of one scope.
class CVariableObjectBranch {
public:
    std::vector<CVariableObject> objects;

    void AddObjectLeaf(const CVariableObject& object);
    bool HoldsObjectOf(const std::string& className) const {
        return classNames_.count(className) != 0;
    }
    const CVariableObject* FindObject(const std::string& objectVar) const;

private:
    std::unordered_set<std::string> classNames_;
    std::unordered_map<std::string, std::size_t> firstObject_;
};

// A class with its members.
struct CClassBranch {
    std::string name;
    std::vector<std::string> fields;
    std::vector<std::string> methods;
    std::vector<std::string> consts;

    void NewClassName(const std::string& s) { name = s; }
    void AddFieldLeaf(const std::string& s) { fields.push_back(s); }
    void AddMethodLeaf(const std::string& s) { methods.push_back(s); }
    void AddConstLeaf(const std::string& s) { consts.push_back(s); }
};

// A library module included in this run.
struct CLibrary {
    std::string moduleName;
    std::string libraryName;
};

inline std::string fieldAccess = "public";  // access word of the next field or method
inline std::vector<CVariableBranch> localDefList;  // variable scopes, current last
inline std::vector<CVariableBranch> constList;     // one scope for the whole run
inline std::vector<CVariableBranch> funcList;      // one scope for the whole run
inline std::vector<CVariableObjectBranch> localObjectList;  // object scopes, current last
inline std::vector<CClassBranch> classList;        // classes in order of definition
inline std::vector<CLibrary> vLibList;             // library modules already included

void AddFunctionToFuncList(const std::string& name);
void AddConstToConstList(const std::string& name);
void AddVarToScopeList(const std::string& name);
void AddFieldToClassList(const std::string& name);
void AddMethodToClassList(const std::string& name);
void AddConstToClassList(const std::string& name);
void AddObjectVarToScopeList(const CVariableObject& object);
void AddClass(const std::string& name);

// True when name cannot be declared: it starts like a number or an operator, is a keyword,
// a class, or a function (also one registered with the "tol_" prefix).
bool IsDefined(const std::string& name);
bool IsClassName(const std::string& name);

// What the program-wide tables (functions, constants, classes) know of one name, so that an
// identifier is resolved with one lookup however many names the program has.
struct ProgramName {
    long long functionPosition = -1;          // first registration as a function
    long long prefixedFunctionPosition = -1;  // first registration as "tol_" + the name
    bool isConstant = false;
    bool isClass = false;
};
// Nullptr when no program-wide table holds the name.
const ProgramName* FindProgramName(const std::string& name);

enum class MemberKind { kField, kMethod, kConst };
// True when an object variable of the current object scope belongs to a class that has the
// member: which object stands before the member access is not known here.
bool IsMemberOfScopeObjects(const std::string& name, MemberKind kind);

// The scopes of the whole program: variables and objects of the file level, and the one scope
// of constants and of functions.
void OpenProgramScopes();
void OpenScope();   // a variable scope and an object scope, as a function body does
void CloseScope();  // the innermost of both
// The current variable scope; the run ends with a report when there is none.
CVariableBranch& CurrentScope();
CVariableObjectBranch& CurrentObjectScope();

void ClearSymbolTables();
