// Any text given to the settings reader: it keeps valid keys once each, which
// the writer writes and the reader reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "profile/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    Settings settings;
    ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size), &settings);
    for (std::size_t i = 0; i < settings.size(); ++i) {
        if (!IsSettingKey(settings[i].key) || !IsSettingValue(settings[i].value) ||
            FindSetting(settings, settings[i].key) != &settings[i].value) {
            std::abort();
        }
    }
    const std::string text = FormatSettings(settings);
    Settings again;
    if (ParseSettings(text, &again).health != ParseOutcome::GOOD || FormatSettings(again) != text) std::abort();
    return 0;
}
