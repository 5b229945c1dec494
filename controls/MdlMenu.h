#pragma once

#include "controls/clsTopMenu.h"

#include <QEvent>
#include <QList>
#include <QPixmap>
#include <QPoint>

#include <functional>

class QWidget;

// The main menu and the game menu: one popup at a time, built afresh on every opening,
// its items owner-drawn in the skin's colours. Each item is added with its command and
// takes the next identifier. A chosen item reaches the owner window later as a command
// event, which the owner's menu hook dispatches by the items of the menu built last.
namespace MdlMenu {

inline constexpr int ItemWidth = 131;
inline constexpr int ItemHeight = 24;
inline constexpr int SeparatorHeight = 5;
inline constexpr int FirstMenuId = 100;

// The command message of the platform, as an event type.
inline const QEvent::Type MenuCommandEventType = QEvent::Type(QEvent::User + 0x111);

class MenuCommandEvent : public QEvent {
public:
    explicit MenuCommandEvent(int id)
        : QEvent(MenuCommandEventType)
        , menuId(id)
    {
    }
    const int menuId;
};

struct MainMenuCommands {
    std::function<void()> settings, help, website, checkUpdate, about, quit;
};
struct GameMenuCommands {
    std::function<void()> introduce, run, favourite, unfavourite, remove;
};

void InitMenuColors();
const MenuColors& Colors();
// Pictures of the owner's picture array: 0 the check image, 1 settings, 2 help, 3 exit,
// 4 introduction, 5 delete.
void SetMenuPictures(const QList<QPixmap>& pictures);
QPixmap Picture(int index);

// Lets `form` receive menu commands; a form is hooked at most once and unhooked when
// it is destroyed. Returns false when it was hooked already.
bool HookMenuWindow(QWidget* form);
bool IsHooked(const QWidget* form);

void ClearMenuItems();
// Adds an item with the next identifier; `command` runs when it is chosen.
void AddMenuItem(const QString& caption, int width, int height, const QPixmap& icon,
                 std::function<void()> command = {});
const QList<clsTopMenu*>& MenuItems();
// The identifier of the item of the menu built last with that caption, or -1.
int MenuIdOf(const QString& caption);

// Build the menu and open it for `owner` at `at` (global position), on the side of
// the point where it fits on the screen.
void ShowMainMenu(QWidget* owner, QPoint at, const MainMenuCommands& commands);
void ShowGameMenu(QWidget* owner, QPoint at, const GameMenuCommands& commands);
// The popup currently open, or null.
QWidget* CurrentPopup();

void DispatchMenuCommand(int menuId);

} // namespace MdlMenu
