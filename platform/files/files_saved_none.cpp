#include "platform/durable_files.h"

void PlatformFilesSaved() {}
