// The local date and time, as the profile writes them.
#pragma once

#include <string>

// "YYYY-MM-DD", for a score's date.
std::string LocalDate();
// "YYYYMMDD-HHMMSS", for the names of files set aside.
std::string LocalStamp();
