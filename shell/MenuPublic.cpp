#include "shell/MenuPublic.h"

#include "shell/CornerPopupTimer.h"
#include "shell/SiteAddresses.h"

#include <QDesktopServices>
#include <QUrl>

namespace MenuPublic {

void MenuSZ(CornerPopupTimer& cornerPopup)
{
    cornerPopup.switchOff();
}

void MenuWeb()
{
    QDesktopServices::openUrl(QUrl(SiteHomeUrl()));
}

void MenuHelp()
{
    QDesktopServices::openUrl(QUrl(ContactUrl()));
}

} // namespace MenuPublic
