#pragma once

class CornerPopupTimer;
class Install;

// The public commands of the main program's menus.
namespace MenuPublic {

// Switches off the corner pop-up's timer, then opens `settings` modally over its owner;
// however the window closes, the timer is switched back on.
void MenuSZ(CornerPopupTimer& cornerPopup, Install* settings);
// The site's home page in the desktop's browser.
void MenuWeb();
// The site's contact page in the desktop's browser.
void MenuHelp();

} // namespace MenuPublic
