// Puts the editor-wide state back to its start-up values, so each test begins as a freshly
// started editor and leaves nothing behind for the next one.
#pragma once

#include "edit_view.h"
#include "editor_state.h"
#include "project.h"

inline void ResetEditorState() {
    appPath.reset();
    appDir.reset();
    currentProject.reset();
    projectPath.clear();
    projectFilePath.clear();
    documents.clear();
}
