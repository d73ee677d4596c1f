// What the backend last reported going wrong, in words for the player.
#pragma once

const char* PlatformLastError();
