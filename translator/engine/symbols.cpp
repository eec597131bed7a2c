// Symbol tables: registration with its checks, lookups and the scope discipline.
#include "engine/symbols.h"

#include "driver/die.h"
#include "driver/word_lists.h"
#include "lexer/lexer.h"

namespace {

// Indexes derived from the program-wide tables: the facts about each name, and the classes
// owning each member name in order of definition.
std::unordered_map<std::string, ProgramName> programNames;
std::unordered_map<std::string, std::vector<std::size_t>> memberOwners[3];

const std::vector<std::size_t> kNoOwners;

const std::vector<std::size_t>& OwnersOf(const std::string& name, MemberKind kind) {
    const auto& owners = memberOwners[static_cast<int>(kind)];
    auto found = owners.find(name);
    return found == owners.end() ? kNoOwners : found->second;
}

const std::string kLibraryPrefix = "tol_";

void NoteFunction(const std::string& name, long long position) {
    ProgramName& plain = programNames[name];
    if (plain.functionPosition < 0) plain.functionPosition = position;
    if (name.rfind(kLibraryPrefix, 0) != 0) return;
    ProgramName& unprefixed = programNames[name.substr(kLibraryPrefix.size())];
    if (unprefixed.prefixedFunctionPosition < 0) unprefixed.prefixedFunctionPosition = position;
}

void RejectReservedWord(const std::string& name) {
    if (IsReservedPhpWord(name)) {
        Die("This is a reserved PHP identifier '" + name + "', use another identifier");
    }
}

CVariableBranch& CurrentOf(std::vector<CVariableBranch>& stack) {
    if (stack.empty()) Die("No open scope");
    return stack.back();
}

CClassBranch& LastClass() {
    if (classList.empty()) Die("No type has been declared");
    return classList.back();
}

// Members are only ever added to the last class, so its index ends every owner list it is in.
void AddMember(const std::string& name, MemberKind kind, std::vector<std::string>& members) {
    RejectReservedWord(name);
    std::size_t last = classList.size() - 1;
    std::vector<std::size_t>& owners = memberOwners[static_cast<int>(kind)][name];
    if (!owners.empty() && owners.back() == last) Die("Definition '" + name + "' already exists");
    members.push_back(name);
    owners.push_back(last);
}

}  // namespace

void CVariableBranch::AddVarLeaf(const std::string& name) {
    branches.back().AddVarLeaf(name);
    Entry& entry = index_[name];
    if (entry.count++ == 0) entry.first = added_;
    ++added_;
}

void CVariableBranch::CloseBlock() {
    for (const std::string& name : branches.back().names) {
        auto found = index_.find(name);
        if (--found->second.count == 0) index_.erase(found);
    }
    branches.pop_back();
}

long long CVariableBranch::FirstPosition(const std::string& name) const {
    auto found = index_.find(name);
    return found == index_.end() ? -1 : found->second.first;
}

void CVariableObjectBranch::AddObjectLeaf(const CVariableObject& object) {
    firstObject_.emplace(object.objectVar, objects.size());
    objects.push_back(object);
    classNames_.insert(object.className);
}

const CVariableObject* CVariableObjectBranch::FindObject(const std::string& objectVar) const {
    auto found = firstObject_.find(objectVar);
    return found == firstObject_.end() ? nullptr : &objects[found->second];
}

void AddFunctionToFuncList(const std::string& name) {
    RejectReservedWord(name);
    CVariableBranch& scope = CurrentOf(funcList);
    if (scope.Contains(name)) Die("Function '" + name + "' already exists");
    scope.AddVarLeaf(name);
    NoteFunction(name, scope.FirstPosition(name));
}

void AddConstToConstList(const std::string& name) {
    RejectReservedWord(name);
    CVariableBranch& scope = CurrentOf(constList);
    if (scope.Contains(name)) Die("Constant definition '" + name + "' already exists");
    scope.AddVarLeaf(name);
    programNames[name].isConstant = true;
}

void AddVarToScopeList(const std::string& name) {
    RejectReservedWord(name);
    CVariableBranch& scope = CurrentOf(localDefList);
    if (scope.Contains(name)) Die("Definition '" + name + "' already exists");
    // Expressions write such a name as the library function, so the variable could never be
    // reached; parameters and loop variables come here without the declaration test.
    const ProgramName* facts = FindProgramName(name);
    if (facts != nullptr && facts->prefixedFunctionPosition >= 0) {
        Die("Identifier '" + name + "' is already defined.");
    }
    scope.AddVarLeaf(name);
}

void AddFieldToClassList(const std::string& name) {
    AddMember(name, MemberKind::kField, LastClass().fields);
}

void AddMethodToClassList(const std::string& name) {
    AddMember(name, MemberKind::kMethod, LastClass().methods);
}

void AddConstToClassList(const std::string& name) {
    AddMember(name, MemberKind::kConst, LastClass().consts);
}

void AddObjectVarToScopeList(const CVariableObject& object) {
    CurrentObjectScope().AddObjectLeaf(object);
}

void AddClass(const std::string& name) {
    CClassBranch branch;
    branch.NewClassName(name);
    classList.push_back(std::move(branch));
    programNames[name].isClass = true;
}

const ProgramName* FindProgramName(const std::string& name) {
    auto found = programNames.find(name);
    return found == programNames.end() ? nullptr : &found->second;
}

bool IsClassName(const std::string& name) {
    const ProgramName* facts = FindProgramName(name);
    return facts != nullptr && facts->isClass;
}

bool IsMemberOfScopeObjects(const std::string& name, MemberKind kind) {
    const CVariableObjectBranch& scope = CurrentObjectScope();
    for (std::size_t owner : OwnersOf(name, kind)) {
        if (scope.HoldsObjectOf(classList[owner].name)) return true;
    }
    return false;
}

bool IsDefined(const std::string& name) {
    if (name.empty() || CLexer::IsNumberChar(name[0]) || CLexer::IsOperatorChar(name[0])) {
        return true;
    }
    if (IsDeclarationKeyword(name)) return true;
    const ProgramName* facts = FindProgramName(name);
    return facts != nullptr && (facts->isClass || facts->functionPosition >= 0 ||
                                facts->prefixedFunctionPosition >= 0);
}

void OpenProgramScopes() {
    OpenScope();
    constList.emplace_back();
    funcList.emplace_back();
}

void OpenScope() {
    localDefList.emplace_back();
    localObjectList.emplace_back();
}

void CloseScope() {
    if (!localDefList.empty()) localDefList.pop_back();
    if (!localObjectList.empty()) localObjectList.pop_back();
}

CVariableBranch& CurrentScope() { return CurrentOf(localDefList); }

CVariableObjectBranch& CurrentObjectScope() {
    if (localObjectList.empty()) Die("No open scope");
    return localObjectList.back();
}

void ClearSymbolTables() {
    fieldAccess = "public";
    localDefList.clear();
    constList.clear();
    funcList.clear();
    localObjectList.clear();
    classList.clear();
    vLibList.clear();
    programNames.clear();
    for (auto& owners : memberOwners) owners.clear();
}
