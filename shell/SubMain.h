#pragma once

#include "shell/GlobalSettings.h"

#include <QString>

namespace SubMain {

inline constexpr char DefaultSiteBase[] = "http://127.0.0.1:8737/";
inline constexpr char SiteBaseVariable[] = "TAVOLIN_SITE_BASE";

// The record for a program file in `programFolder`, whose user's folder is the
// application folder itself.
// `siteBaseOverride` replaces the default site when it is an absolute http(s)
// address ending in "/"; otherwise `refusal` explains why it was not taken.
GlobalSettings MakeGlobalSettings(const QString& programFolder, const QString& siteBaseOverride,
                                  QString* refusal = nullptr);

// The record for a program file in `programFolder` as both programs start: the site
// from the environment (a refused override said on standard error) and the user's
// folder this user has for that application folder. Nothing is written.
GlobalSettings StartupSettings(const QString& programFolder);

// Fills the process's record from the running program's folder and the environment.
void FillGlobalSettings();

} // namespace SubMain
