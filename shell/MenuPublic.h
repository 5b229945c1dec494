#pragma once

class CornerPopupTimer;

// The public commands of the main program's menus.
namespace MenuPublic {

// Switches off the corner pop-up's timer, then opens the settings.
void MenuSZ(CornerPopupTimer& cornerPopup);
// The site's home page in the desktop's browser.
void MenuWeb();
// The site's contact page in the desktop's browser.
void MenuHelp();

} // namespace MenuPublic
