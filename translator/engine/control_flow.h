// Control-flow statements: conditionals, select, the loops and the jumps.
#pragma once

#include <string>
#include <vector>

#include "engine/statement.h"

void IfStatement(Statement& statement);
void ElseIfStatement(Statement& statement);
void ElseStatement(Statement& statement);
void EndIfStatement(Statement& statement);
void SelectStatement(Statement& statement);
void CaseStatement(Statement& statement);
void DefaultStatement(Statement& statement);
void EndSelectStatement(Statement& statement);
void WhileStatement(Statement& statement);
void WendStatement(Statement& statement);
void RepeatStatement(Statement& statement);
void UntilStatement(Statement& statement);
void ForeverStatement(Statement& statement);
void ForStatement(Statement& statement);
void NextStatement(Statement& statement);
void ExitStatement(Statement& statement);
void ContinueStatement(Statement& statement);
void EndStatement(Statement& statement);

// The PHP loop header of a For statement from the tokens after "for", without its "{".
std::string CreateForLoopBody(const std::vector<std::string>& spec);
