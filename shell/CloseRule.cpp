#include "shell/CloseRule.h"

CloseAction CloseButtonAction(bool hideSetting, bool trayShown)
{
    if (!hideSetting)
        return CloseAction::Quit;
    // Hiding without a tray would lose the window.
    return trayShown ? CloseAction::HideToTray : CloseAction::Minimise;
}

bool AdvertisementPageFound(const QString& html)
{
    // A page going away answers with nothing; that is no advertisement either.
    if (html.isEmpty())
        return false;
    QString compact = html;
    compact.remove(QLatin1Char('\n')).remove(QLatin1Char('\r')).remove(QLatin1Char('\t')).remove(QLatin1Char(' '));
    return !compact.contains(QStringLiteral("无法找到该页"));
}
