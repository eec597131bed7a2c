// Browser launch: the launcher is started directly, without a shell, so nothing in the
// address can start another command.
#include "driver/browser.h"

#include "driver/console.h"
#include "driver/platform/platform.h"

namespace {

// The editor hands the address over in double quotes, which only kept it together as one
// word for a shell; the browser gets it without them.
std::string WithoutEnclosingQuotes(const std::string& address) {
    if (address.size() >= 2 && address.front() == '"' && address.back() == '"') {
        return address.substr(1, address.size() - 2);
    }
    return address;
}

}  // namespace

// A launcher reads an argument that starts with "-" as an option of its own, and some
// browsers have options that start programs: such an address is not handed over.
void BrowserCall(const std::string& address) {
    PrintLine("Opening browser to address: " + address);
    std::string target = WithoutEnclosingQuotes(address);
    if (!target.empty() && target[0] == '-') {
        PrintLine("Note: An address starting with '-' would be read as an option; no browser started.");
    } else {
        LaunchBrowser(address, target);
    }
    PrintLine();
}
