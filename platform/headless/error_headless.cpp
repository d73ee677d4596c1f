#include "platform/error.h"

const char* PlatformLastError()
{
    return "no such device on the headless backend";
}
