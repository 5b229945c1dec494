#pragma once

#include "shell/GlobalSettings.h"

#include <QString>

namespace SubMain {

inline constexpr char DefaultSiteBase[] = "http://127.0.0.1:8737/";
inline constexpr char SiteBaseVariable[] = "TAVOLIN_SITE_BASE";

// The record as start-up fills it for a program file in `programFolder`.
// `siteBaseOverride` replaces the default site when it is an absolute http(s)
// address ending in "/"; otherwise `refusal` explains why it was not taken.
GlobalSettings MakeGlobalSettings(const QString& programFolder, const QString& siteBaseOverride,
                                  QString* refusal = nullptr);

// Fills the process's record from the running program's folder and the environment;
// a refused override is reported on standard error.
void FillGlobalSettings();

} // namespace SubMain
