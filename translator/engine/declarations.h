// Print and the declarations Field, Local, Global and Const.
#pragma once

#include <string>
#include <vector>

#include "engine/statement.h"

// Definition kinds: which statement declares an item, and where.
inline constexpr int DEF_TYPE_FIELD = 1;
inline constexpr int DEF_TYPE_LOCAL = 2;
inline constexpr int DEF_TYPE_GLOBAL = 4;
inline constexpr int DEF_TYPE_CONST = 8;         // outside any type and function
inline constexpr int DEF_TYPE_CONST_CLASS = 16;  // in a type body, outside its methods

void PrintStatement(Statement& statement);
void DeclarationStatement(Statement& statement);

// The PHP text of one declared item (without the prefix its statement adds); registers the
// name by kind.
std::string CreateDefinition(const std::vector<std::string>& item, int kind);
