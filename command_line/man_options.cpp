// Prints the man page's OPTIONS and SETTINGS sections from the options' and
// the settings' tables, so that the page lists exactly what the game takes.
// Run at build time.
#include <cstdio>

#include "command_line/options.h"

int main()
{
    std::fputs((ManPageOptions() + ManPageSettings()).c_str(), stdout);
    return 0;
}
