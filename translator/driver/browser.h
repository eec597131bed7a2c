// Opening the translated site in the user's web browser after a successful run.
#pragma once

#include <string>

void BrowserCall(const std::string& address);
