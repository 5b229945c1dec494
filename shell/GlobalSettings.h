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

// The catalogue's file name in the application folder, as the build names it.
inline QString DatabaseFileName()
{
    return QStringLiteral(TAVOLIN_DATABASE_NAME);
}

const GlobalSettings& Settings();
void SetGlobalSettings(const GlobalSettings& record);
