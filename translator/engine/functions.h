// Statements that give a program its structure: functions, types with their methods, return,
// the access words and extern blocks of declarations without bodies.
#pragma once

#include "engine/statement.h"

void FunctionStatement(Statement& statement);
void EndFunctionStatement(Statement& statement);
void MethodStatement(Statement& statement);
void EndMethodStatement(Statement& statement);
void ReturnStatement(Statement& statement);
void TypeStatement(Statement& statement);
void EndTypeStatement(Statement& statement);
void PublicStatement(Statement& statement);
void PrivateStatement(Statement& statement);
void ExternStatement(Statement& statement);
void EndExternStatement(Statement& statement);
