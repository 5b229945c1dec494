#include "shell/MenuPublic.h"

#include "account/Install.h"
#include "shell/CornerPopupTimer.h"
#include "shell/SiteAddresses.h"

#include <QDesktopServices>
#include <QUrl>

namespace MenuPublic {

void MenuSZ(CornerPopupTimer& cornerPopup, Install* settings)
{
    cornerPopup.switchOff();
    QObject::connect(settings, &QDialog::finished, &cornerPopup, &CornerPopupTimer::switchOn);
    settings->open();
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
