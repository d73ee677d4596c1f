// Sanitizer builds only. SDL opens display drivers (libGL and Mesa's DRI
// modules) at run time and closes them at shutdown; a driver block still
// held then is reported at exit against "<unknown module>", which no
// suppression can name. Closing nothing keeps every such module mapped to the
// end, so the leak report names it and lsan_suppressions.txt can match it,
// while leaks from the game's own code are still reported.
#include <dlfcn.h>

extern "C" int dlclose(void*) noexcept
{
    return 0;
}
