// Entry point of TolvaEditor; everything else lives in the editor library so that the tests
// and benchmarks can build the same windows and views.
#include "editor_main.h"

int main(int argc, char** argv) { return tolva_editor_main(argc, argv); }
