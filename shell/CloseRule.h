#pragma once

#include <QString>

// What the title bar's close button does: hide to the tray when the user chose so and
// a tray is there to come back from, minimise when it is not, quit otherwise.
enum class CloseAction { HideToTray, Minimise, Quit };
CloseAction CloseButtonAction(bool hideSetting, bool trayShown);

// The advertisement page was found: its markup, stripped of white space, does not hold
// the browser's page-not-found text.
bool AdvertisementPageFound(const QString& html);
