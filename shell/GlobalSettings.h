#pragma once

#include <QString>

// The process-wide settings record: filled once at start-up, read everywhere.
struct GlobalSettings {
    QString SiteBase;
    QString AppTitle;
    QString ProductKey;
    bool ShowStudioCredit = false;
    // The application folder: what the program ships.
    QString AppPath;
    // The user's folder: the catalogue in use, downloaded movies and thumbnails (shell/UserFiles.h).
    QString UserPath;
    QString DbFile;
};

// The catalogue's file name, in the application folder and the user's, as the build names it.
inline QString DatabaseFileName()
{
    return QStringLiteral(TAVOLIN_DATABASE_NAME);
}

const GlobalSettings& Settings();
void SetGlobalSettings(const GlobalSettings& record);
