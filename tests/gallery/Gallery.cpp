// Writes one picture of the skinned toolkit as a user sees it: the tab strip in both
// styles from the generated skin, image buttons in every state, progress bars in
// several themes, a small window in the skinned frame. gallery APP_FOLDER OUTPUT.png
#include "controls/BForm.h"
#include "controls/iButton.h"
#include "controls/ProgramFont.h"
#include "controls/ProgressBar.h"
#include "tests/support/AppFolder.h"
#include "shell/SkinPath.h"
#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/ITabForm.h"
#include "tabs/uTab.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTest>

namespace {

struct Look {
    QColor top;
    QColor bottom;
    QColor border;
};

// One rounded frame per look, side by side; `round` draws circles on a transparent
// ground instead.
QPixmap Strip(const QList<Look>& looks, QSize frame, bool round = false)
{
    QImage strip(frame.width() * int(looks.size()), frame.height(), QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < looks.size(); ++i) {
        const QRectF box = QRectF(i * frame.width(), 0, frame.width(), frame.height()).adjusted(0.5, 0.5, -0.5, -0.5);
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, looks[i].top);
        fill.setColorAt(1, looks[i].bottom);
        painter.setBrush(fill);
        painter.setPen(QPen(looks[i].border, 1));
        if (round)
            painter.drawEllipse(box);
        else
            painter.drawRoundedRect(box, 4, 4);
    }
    return QPixmap::fromImage(strip);
}

const Look Normal { QColor(255, 255, 255), QColor(236, 240, 244), QColor(182, 195, 204) };
const Look Hover { QColor(240, 247, 253), QColor(218, 234, 248), QColor(41, 140, 211) };
const Look Pressed { QColor(206, 226, 243), QColor(190, 216, 238), QColor(4, 96, 163) };
const Look Disabled { QColor(244, 245, 246), QColor(236, 237, 238), QColor(214, 218, 222) };
const Look OnNormal { QColor(76, 160, 222), QColor(41, 140, 211), QColor(4, 96, 163) };
const Look OnHover { QColor(98, 176, 230), QColor(58, 151, 217), QColor(4, 96, 163) };
const Look OnPressed { QColor(30, 120, 188), QColor(4, 96, 163), QColor(3, 70, 120) };

QLabel* Heading(const QString& text)
{
    auto* label = new QLabel(text);
    label->setStyleSheet(QStringLiteral("color: rgb(90, 98, 106);"));
    return label;
}

// A page for the strips: a plain panel.
class Page : public QWidget, public ITabForm {
public:
    QWidget* hwnd() override { return this; }
};

// A strip of five tabs: the second selected, the last hovered, the first without a
// close button.
uTab* Strip(int style, int width, std::vector<std::unique_ptr<QWidget>>& keep)
{
    auto* strip = new uTab(style == 0 ? TabSkinFormat::Png : TabSkinFormat::ColourKeyedBmp);
    strip->SetTabStyle(style);
    strip->setFixedSize(width, style == 0 ? 25 : 32);
    auto* container = new QWidget;
    keep.emplace_back(container);
    strip->SethContainerWnd(container);
    const QStringList captions{"我的盒子", "找游戏", "植物大战僵尸", "Star Pilot 2", "连连看"};
    for (const QString& caption : captions)
        strip->TabItems()->Add(caption, new Page);
    strip->TabItems()->Item(0)->SetHideButton(true);
    strip->LockReDraw(false);
    strip->SetSelected(1);
    return strip;
}

iButton* SkinButton(const QString& file, int state, int style = 0)
{
    auto* button = new iButton;
    button->setStyle(style);
    button->setBackPicture(QPixmap(SkinPath(file)));
    if (state == 3)
        button->setEnabled(false);
    else
        button->cMouseAction(state);
    return button;
}

iButton* Button(const QPixmap& strip, int style, const QString& caption, int state, bool enabled = true)
{
    auto* button = new iButton;
    button->setStyle(style);
    button->setBackPicture(strip);
    button->setCaption(caption);
    button->setcForeColor(QColor(35, 35, 35));
    button->setEnabled(enabled);
    if (enabled)
        button->cMouseAction(state);
    return button;
}

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        qWarning("usage: gallery APP_FOLDER OUTPUT.png");
        return 2;
    }
    UseAppFolder(QString::fromLocal8Bit(argv[1]));
    UseProgramFont();
    std::vector<std::unique_ptr<QWidget>> keep;

    QWidget panel;
    panel.setAutoFillBackground(true);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, QColor(247, 248, 249));
    panel.setPalette(palette);
    auto* grid = new QGridLayout(&panel);
    grid->setContentsMargins(20, 16, 20, 16);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);

    uTab* menuStrip = Strip(0, 660, keep);
    uTab* browserStrip = Strip(1, 760, keep);
    grid->addWidget(Heading(QStringLiteral("strip, style 0")), 0, 0);
    grid->addWidget(menuStrip, 0, 1, 1, 5, Qt::AlignLeft);
    grid->addWidget(Heading(QStringLiteral("strip, style 1")), 1, 0);
    grid->addWidget(browserStrip, 1, 1, 1, 5, Qt::AlignLeft);

    const QStringList states { "normal", "hover", "pressed", "disabled" };
    for (int s = 0; s < 4; ++s)
        grid->addWidget(Heading(states[s]), 2, s + 1, Qt::AlignCenter);
    const QStringList skinButtons{"menubtn.bmp", "min.bmp", "main_close.bmp", "game_all.bmp", "search.bmp",
                                  "btn75_23.bmp", "corvane/tool_home.bmp"};
    for (int b = 0; b < skinButtons.size(); ++b) {
        grid->addWidget(Heading(skinButtons[b]), 3 + b, 0);
        for (int s = 0; s < 4; ++s)
            grid->addWidget(SkinButton(skinButtons[b], s), 3 + b, s + 1, Qt::AlignCenter);
    }
    const int first = 3 + int(skinButtons.size());

    const QSize frame(88, 28);
    const QPixmap plain = Strip({ Normal, Hover, Pressed }, frame);
    const QPixmap withDisabled = Strip({ Normal, Hover, Pressed, Disabled }, frame);
    const QPixmap toggle = Strip({ Normal, Hover, Pressed, OnNormal, OnHover, OnPressed }, frame);
    const QPixmap round = Strip({ Normal, Hover, Pressed }, QSize(26, 26), true);

    grid->addWidget(Heading(QStringLiteral("Style 0")), first, 0);
    grid->addWidget(Heading(QStringLiteral("Style 2")), first + 1, 0);
    grid->addWidget(Heading(QStringLiteral("Style 1, off")), first + 2, 0);
    grid->addWidget(Heading(QStringLiteral("Style 1, on")), first + 3, 0);
    grid->addWidget(Heading(QStringLiteral("transparent")), first + 4, 0);
    for (int s = 0; s < 4; ++s) {
        const bool enabled = s != 3;
        grid->addWidget(Button(plain, 0, QStringLiteral("开始游戏"), s, enabled), first, s + 1, Qt::AlignCenter);
        grid->addWidget(Button(withDisabled, 2, QStringLiteral("Play"), s, enabled), first + 1, s + 1, Qt::AlignCenter);
        grid->addWidget(Button(toggle, 1, QStringLiteral("收藏"), s, enabled), first + 2, s + 1, Qt::AlignCenter);
        iButton* on = Button(toggle, 1, QStringLiteral("收藏"), s, enabled);
        on->setValue(true);
        grid->addWidget(on, first + 3, s + 1, Qt::AlignCenter);
        iButton* roundButton = Button(round, 0, QStringLiteral("×"), s, enabled);
        roundButton->setcBackStyle(0);
        grid->addWidget(roundButton, first + 4, s + 1, Qt::AlignCenter);
    }
    // A focused button shows its focus rectangle.
    iButton* focused = Button(plain, 0, QStringLiteral("focus"), 0);
    grid->addWidget(Heading(QStringLiteral("focused")), 2, 5, Qt::AlignCenter);
    grid->addWidget(focused, first, 5, Qt::AlignCenter);

    const struct {
        int theme;
        int value;
        int textStyle;
        int alignment;
        bool enabled;
    } bars[] = {
        { 1, 53, 2, 5, true }, { 2, 70, 3, 5, true }, { 3, 35, 1, 4, true }, { 4, 90, 2, 6, true },
        { 5, 20, 2, 5, true }, { 6, 60, 2, 5, true }, { 7, 45, 2, 5, true }, { 8, 80, 2, 5, true },
        { 9, 30, 2, 5, true }, { 10, 65, 2, 5, true }, { 1, 40, 2, 5, false },
    };
    int line = first + 5;
    for (const auto& row : bars) {
        auto* bar = new ProgressBar;
        bar->setFixedSize(300, 20);
        bar->setTheme(row.theme);
        bar->setValue(row.value);
        bar->setTextStyle(row.textStyle);
        bar->setTextAlignment(row.alignment);
        bar->setEnabled(row.enabled);
        const QString name = QStringLiteral("theme %1%2").arg(row.theme).arg(row.enabled ? "" : ", disabled");
        grid->addWidget(Heading(name), line, 0);
        grid->addWidget(bar, line, 1, 1, 4, Qt::AlignLeft);
        ++line;
    }
    // A small window in the skinned frame: title bar and border from the frame skin.
    auto* skinned = new QWidget;
    skinned->setFixedSize(320, 110);
    skinned->setAutoFillBackground(true);
    QPalette white = skinned->palette();
    white.setColor(QPalette::Window, Qt::white);
    skinned->setPalette(white);
    auto* title = new BForm(skinned);
    title->setPP(QPixmap(SkinPath(QStringLiteral("corvane/bgpf.bmp"))));
    title->setCaption(QStringLiteral("植物大战僵尸"));
    title->setGeometry(0, 0, skinned->width(), title->height());
    title->Printform(skinned);
    grid->addWidget(Heading(QStringLiteral("skinned frame")), line, 0);
    grid->addWidget(skinned, line, 1, 1, 4, Qt::AlignLeft);

    auto* vertical = new ProgressBar;
    vertical->setFixedSize(22, 200);
    vertical->setOrientations(2);
    vertical->setValue(62);
    vertical->setTextStyle(0);
    vertical->setRoundedValue(8);
    grid->addWidget(vertical, first + 5, 5, 8, 1, Qt::AlignCenter);

    panel.show();
    panel.activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!panel.isActiveWindow() && waited.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    focused->setFocus(Qt::TabFocusReason);
    // The pointer rests on the strips' last tabs.
    for (uTab* strip : {menuStrip, browserStrip}) {
        const auto last = strip->TabItems()->Item(4);
        QTest::mouseMove(strip, QPoint(strip->TabLeftSize() + last->Left() + last->Width() / 2, 12));
    }
    QApplication::processEvents();
    if (!panel.grab().save(QString::fromLocal8Bit(argv[2]))) {
        qWarning("cannot write %s", argv[2]);
        return 1;
    }
    return 0;
}
