// vorlak: the catalogue lookup program.
#include "WindowProgram.h"

#include <cstdio>
#include <cstring>

namespace {

const char kHelp[] =
    "Usage: vorlak [options]\n"
    "Opens the window for looking up China's catalogue of controlled chemicals: hazardous chemicals\n"
    "(2015, with entry 2828), drug precursors in three classes and explosive precursors. Type or pick\n"
    "criteria and press Enter; right-click a row for its hazard page; Ctrl+F finds text in the rows.\n"
    "The catalogue is vorlak.db beside the program, or in share/vorlak beside its bin folder, unless\n"
    "an ODBC data source named vorlak is defined. Config.Ini is read beside the program, else from\n"
    "/etc/vorlak, else from share/vorlak.\n"
    "\n"
    "Options:\n"
    "  -h, --help  Print this help and exit.\n"
    "  --version   Print the version and exit.\n"
    "\n"
    "Searching from the command line: vorlak-query --help.\n";

} // namespace

int main(int argc, char* argv[])
{
    // Answered before any window: no display is needed for them.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("vorlak " VORLAK_VERSION "\n", stdout);
            return 0;
        }
    }
    return runWindowProgram(argc, argv);
}
