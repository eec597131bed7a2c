// The include statement: another source file of the project, or modules of an installed
// library.
#pragma once

#include "engine/statement.h"

// Include "folder/file.tol" | Include library.* | Include library.module
void IncludeStatement(Statement& statement);
