// The editor's start-up: initialises the toolkit, finds the installation root, shows the
// main window and runs the main loop until the window is closed.
#pragma once

// The editor's exit status: 0 once the window has been shown.
int tolva_editor_main(int argc, char** argv);
