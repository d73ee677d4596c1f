#include "app/extensions.h"

AppExtensions app_extensions = {};

int AddMainMenuKeys(int (*handler)())
{
    for (int (*&place)() : app_extensions.main_menu_keys) {
        if (!place) {
            place = handler;
            return 1;
        }
    }
    return 0;
}

void RemoveMainMenuKeys(int (*handler)())
{
    for (int (*&place)() : app_extensions.main_menu_keys) {
        if (place == handler) place = nullptr;
    }
}
