#include "controls/MdlMenu.h"

#include "controls/MenuPlacement.h"
#include "controls/PopupMenuWindow.h"

#include <QGuiApplication>
#include <QHash>
#include <QScreen>

#include <QPointer>
#include <QWidget>

namespace MdlMenu {
namespace {

constexpr char HookProperty[] = "OrigProcAddr";

struct MenuState {
    QList<clsTopMenu*> items;
    int nextId = FirstMenuId;
    QHash<int, std::function<void()>> commands;
    MenuColors colours;
    QList<QPixmap> pictures;
    QPointer<PopupMenuWindow> popup;
};

MenuState& state()
{
    static MenuState instance;
    return instance;
}

// Receives the command events posted to a hooked window.
class MenuHook : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == MenuCommandEventType) {
            DispatchMenuCommand(static_cast<MenuCommandEvent*>(event)->menuId);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

void beginMenu()
{
    MenuState& s = state();
    s.nextId = FirstMenuId;
    ClearMenuItems();
    if (s.popup)
        s.popup->close();
}

void addItem(const QString& caption, int picture, std::function<void()> command)
{
    AddMenuItem(caption, ItemWidth, ItemHeight, picture >= 0 ? Picture(picture) : QPixmap(), std::move(command));
}

void addSeparator()
{
    AddMenuItem(QString(), ItemWidth, SeparatorHeight, QPixmap());
}

void open(QWidget* owner, QPoint at)
{
    auto* popup = new PopupMenuWindow(owner);
    state().popup = popup;
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen)
        screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    popup->move(MenuTopLeft(at, popup->size(), screen ? screen->availableGeometry() : QRect()));
    popup->show();
}

} // namespace

void InitMenuColors()
{
    MenuColors& c = state().colours;
    c.selectedFill = QColor(41, 140, 211);
    c.selectedFrame = QColor(41, 140, 211);
    c.textArea = QColor(255, 255, 255);
    c.selectedText = QColor(255, 255, 255);
    c.normalText = QColor(35, 35, 35);
    c.iconColumn = QColor(245, 246, 245);
    c.separator = QColor(182, 195, 204);
}

const MenuColors& Colors()
{
    return state().colours;
}

void SetMenuPictures(const QList<QPixmap>& pictures)
{
    state().pictures = pictures;
}

QPixmap Picture(int index)
{
    return state().pictures.value(index);
}

bool HookMenuWindow(QWidget* form)
{
    InitMenuColors();
    if (!form || IsHooked(form))
        return false;
    auto* hook = new MenuHook(form);
    form->installEventFilter(hook);
    form->setProperty(HookProperty, QVariant::fromValue(static_cast<QObject*>(hook)));
    QObject::connect(form, &QObject::destroyed, [] { ClearMenuItems(); });
    return true;
}

bool IsHooked(const QWidget* form)
{
    return form && form->property(HookProperty).isValid();
}

void ClearMenuItems()
{
    qDeleteAll(state().items);
    state().items.clear();
    state().commands.clear();
}

void AddMenuItem(const QString& caption, int width, int height, const QPixmap& icon, std::function<void()> command)
{
    auto* item = new clsTopMenu;
    const int id = state().nextId++;
    item->InitMenu(id, caption, width, height, icon);
    state().items.append(item);
    if (command)
        state().commands.insert(id, std::move(command));
}

int MenuIdOf(const QString& caption)
{
    for (const clsTopMenu* item : std::as_const(state().items)) {
        if (!item->isSeparator() && item->Caption() == caption)
            return item->MenuID();
    }
    return -1;
}

const QList<clsTopMenu*>& MenuItems()
{
    return state().items;
}

void ShowMainMenu(QWidget* owner, QPoint at, const MainMenuCommands& commands)
{
    beginMenu();
    addItem(QStringLiteral("设置"), 1, commands.settings);
    addSeparator();
    addItem(QStringLiteral("帮助建议(H)"), 2, commands.help);
    addItem(QStringLiteral("官方网站"), -1, commands.website);
    addItem(QStringLiteral("检测更新"), -1, commands.checkUpdate);
    addItem(QStringLiteral("关于我们"), -1, commands.about);
    addSeparator();
    addItem(QStringLiteral("安全退出(X)"), 3, commands.quit);
    open(owner, at);
}

void ShowGameMenu(QWidget* owner, QPoint at, const GameMenuCommands& commands)
{
    beginMenu();
    addItem(QStringLiteral("游戏介绍"), 4, commands.introduce);
    addItem(QStringLiteral("运行游戏"), -1, commands.run);
    addSeparator();
    addItem(QStringLiteral("收藏游戏"), -1, commands.favourite);
    addItem(QStringLiteral("取消收藏"), -1, commands.unfavourite);
    addSeparator();
    addItem(QStringLiteral("删除游戏"), 5, commands.remove);
    open(owner, at);
}

QWidget* CurrentPopup()
{
    return state().popup;
}

void DispatchMenuCommand(int menuId)
{
    // Copied first: a command may open the next menu, which replaces the table.
    const std::function<void()> command = state().commands.value(menuId);
    if (command)
        command();
}

} // namespace MdlMenu
