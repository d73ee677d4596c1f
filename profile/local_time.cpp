#include "profile/local_time.h"

#include <ctime>

namespace {

std::string FormatNow(const char* format)
{
    const std::time_t now = std::time(nullptr);
    char text[32] = "";
    if (const std::tm* local = std::localtime(&now)) std::strftime(text, sizeof text, format, local);
    return text;
}

}  // namespace

std::string LocalDate()
{
    return FormatNow("%Y-%m-%d");
}

std::string LocalStamp()
{
    return FormatNow("%Y%m%d-%H%M%S");
}
