// The translator's run sequence, from the banner to "Done! \o/".
#pragma once

#include <string>
#include <vector>

// Runs one translation with the given arguments (without the program name) and returns the
// exit status: 0 for success and for the usage text, 1 after an error report.
int RunTranslator(const std::vector<std::string>& arguments);

// Puts every global of the translator back to its initial value, so that one process can
// run many translations.
void ResetTranslator();
