#pragma once

#include <QString>

// The process-wide settings record: filled once at start-up, read everywhere.
struct GlobalSettings {
    QString SiteBase;
    QString AppTitle;
    QString ProductKey;
    bool ShowStudioCredit = false;
    QString AppPath;
    QString DbFile;
};

const GlobalSettings& Settings();
void SetGlobalSettings(const GlobalSettings& record);
