// Block state of one source file: where the statement being translated stands. Every file
// starts with a fresh state, while the symbol tables are shared by all files of a run.
#pragma once

#include <string>

struct FileState {
    bool inType = false;
    bool inMethod = false;
    bool inFunction = false;
    bool inExtern = false;
    std::string currentType;  // name of the type being defined
};
