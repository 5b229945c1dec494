#include "MenuPublic.h"

#include "MainFrm.h"
#include "SiteAddresses.h"

#include <QDesktopServices>
#include <QUrl>

namespace MenuPublic {

void MenuSZ()
{
    if (MainFrm* frame = MainFrm::instance())
        frame->stopCornerPopupTimer();
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
