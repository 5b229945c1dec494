#include "MdlMenu.h"

#include "PopupMenuWindow.h"

#include <QPointer>
#include <QWidget>

namespace MdlMenu {
namespace {

constexpr char HookProperty[] = "OrigProcAddr";

struct MenuState {
    QList<clsTopMenu*> items;
    int nextId = FirstMenuId;
    bool mainMenu = false;
    bool gameMenu = false;
    MenuColors colours;
    QList<QPixmap> pictures;
    MainMenuCommands mainCommands;
    GameMenuCommands gameCommands;
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

void run(const std::function<void()>& command)
{
    if (command)
        command();
}

void beginMenu(bool mainMenu)
{
    MenuState& s = state();
    s.mainMenu = mainMenu;
    s.gameMenu = !mainMenu;
    s.nextId = FirstMenuId;
    ClearMenuItems();
    if (s.popup)
        s.popup->close();
}

void addItem(const QString& caption, int picture = -1)
{
    AddMenuItem(caption, ItemWidth, caption.isEmpty() ? SeparatorHeight : ItemHeight,
                picture >= 0 ? Picture(picture) : QPixmap());
}

void open(QWidget* owner, QPoint at)
{
    auto* popup = new PopupMenuWindow(owner);
    state().popup = popup;
    popup->move(at);
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

void SetMainMenuCommands(MainMenuCommands commands)
{
    state().mainCommands = std::move(commands);
}

void SetGameMenuCommands(GameMenuCommands commands)
{
    state().gameCommands = std::move(commands);
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
}

void AddMenuItem(const QString& caption, int width, int height, const QPixmap& icon)
{
    auto* item = new clsTopMenu;
    item->InitMenu(state().nextId++, caption, width, height, icon);
    state().items.append(item);
}

const QList<clsTopMenu*>& MenuItems()
{
    return state().items;
}

void ShowMainMenu(QWidget* owner, QPoint at)
{
    beginMenu(true);
    addItem(QStringLiteral("设置"), 1);
    addItem(QString());
    addItem(QStringLiteral("帮助建议(H)"), 2);
    addItem(QStringLiteral("官方网站"));
    addItem(QStringLiteral("检测更新"));
    addItem(QStringLiteral("关于我们"));
    addItem(QString());
    addItem(QStringLiteral("安全退出(X)"), 3);
    open(owner, at);
}

void ShowGameMenu(QWidget* owner, QPoint at)
{
    beginMenu(false);
    addItem(QStringLiteral("游戏介绍"), 4);
    addItem(QStringLiteral("运行游戏"));
    addItem(QString());
    addItem(QStringLiteral("收藏游戏"));
    addItem(QStringLiteral("取消收藏"));
    addItem(QString());
    addItem(QStringLiteral("删除游戏"), 5);
    open(owner, at);
}

QWidget* CurrentPopup()
{
    return state().popup;
}

void DispatchMenuCommand(int menuId)
{
    const MenuState& s = state();
    if (s.gameMenu) {
        const GameMenuCommands& c = s.gameCommands;
        switch (menuId) {
        case 100: run(c.introduce); break;
        case 101: run(c.run); break;
        case 103: run(c.favourite); break;
        case 104: run(c.unfavourite); break;
        case 106: run(c.remove); break;
        default: break;
        }
    } else if (s.mainMenu) {
        const MainMenuCommands& c = s.mainCommands;
        switch (menuId) {
        case 100: run(c.settings); break;
        case 102: run(c.help); break;
        case 103: run(c.website); break;
        case 104: run(c.checkUpdate); break;
        case 105: run(c.about); break;
        case 107: run(c.quit); break;
        default: break;
        }
    }
}

} // namespace MdlMenu
