// Prints the man page's OPTIONS section from the options' table, so that the
// page lists exactly what the game takes. Run at build time.
#include <cstdio>

#include "command_line/options.h"

int main()
{
    std::fputs(ManPageOptions().c_str(), stdout);
    return 0;
}
