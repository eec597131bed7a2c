// Entry point of the translator tsg.
#include <string>
#include <vector>

#include "driver/run.h"

int main(int argc, char** argv) {
    return RunTranslator(std::vector<std::string>(argv + 1, argv + argc));
}
