#include "shell/GlobalSettings.h"

namespace {
GlobalSettings record;
}

const GlobalSettings& Settings()
{
    return record;
}

void SetGlobalSettings(const GlobalSettings& newRecord)
{
    record = newRecord;
}
