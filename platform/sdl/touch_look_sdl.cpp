// The page's touch controls take their size and opacity from two of its
// style's variables.
#include <cstdio>

#include "platform/touch_look.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

void SetPageVariable([[maybe_unused]] const char* name, [[maybe_unused]] int percent)
{
#ifdef __EMSCRIPTEN__
    char script[128];
    std::snprintf(script, sizeof script, "document.documentElement.style.setProperty('%s', '%d')", name,
                  percent);
    emscripten_run_script(script);
#endif
}

}  // namespace

void PlatformSetTouchControlSize(int percent)
{
    SetPageVariable("--touch-size", percent);
}

void PlatformSetTouchControlOpacity(int percent)
{
    SetPageVariable("--touch-opacity", percent);
}
