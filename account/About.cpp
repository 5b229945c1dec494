#include "account/About.h"

#include "account/ProgramVersion.h"
#include "controls/WindowDrag.h"
#include "controls/WindowRegion.h"
#include "controls/iButton.h"
#include "shell/Clock.h"
#include "shell/GlobalSettings.h"
#include "shell/SkinPath.h"

#include <QLabel>
#include <QPainter>

namespace {

// The first year of the copyright; the last is always this one.
constexpr int FirstYear = 2011;
constexpr int TextLeft = 104;
// Where the box sits on its owner: 2860 and 2650 twips.
const QPoint OffsetOnOwner(191, 177);

QLabel* addLine(QWidget* parent, const char* name, const QString& text, int top, const QString& style)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(TextLeft, top, About::WindowWidth - TextLeft - 16, 22);
    label->setStyleSheet(style);
    return label;
}

} // namespace

About::About(const Clock& clock, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setWindowTitle(QStringLiteral("关于我们"));
    setFixedSize(WindowWidth, WindowHeight);
    RectRgn(this, WindowWidth, WindowHeight, 6);
    DragByBackground(this);
    if (owner)
        move(owner->geometry().topLeft() + OffsetOnOwner);
    m_background = QPixmap(SkinPath(QStringLiteral("About_bg.gif")));

    auto* title = new QLabel(QStringLiteral("关于我们"), this);
    title->setGeometry(33, 5, 200, 22);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 13px; font-weight: bold;"));

    const QString years = QStringLiteral("%1-%2").arg(FirstYear).arg(clock.today().year());
    const QString appTitle = Settings().AppTitle;
    addLine(this, "note1", appTitle + ProgramVersionText, 60,
            QStringLiteral("color: #1d5fa8; font-size: 16px; font-weight: bold;"));
    addLine(this, "note2", QStringLiteral("版权所有 © %1 %2").arg(years, appTitle), 100,
            QStringLiteral("color: #444; font-size: 12px;"));
    addLine(this, "note3", QStringLiteral("Copyright © %1 All Rights Reserved.").arg(years), 124,
            QStringLiteral("color: #444; font-size: 12px;"));
    QLabel* credit = addLine(this, "lb_kelvra", QStringLiteral("Kelvra游戏工作室提供技术支持"), 160,
                             QStringLiteral("color: #1f5f99; font-size: 12px;"));
    credit->setVisible(Settings().ShowStudioCredit);

    auto* cornerClose = new iButton(this);
    cornerClose->setObjectName(QStringLiteral("W_Close"));
    cornerClose->setBackPicture(QPixmap(SkinPath(QStringLiteral("pop_close.bmp"))));
    cornerClose->move(WindowWidth - 26, 4);
    auto* closeButton = new iButton(this);
    closeButton->setObjectName(QStringLiteral("Btn_Close"));
    closeButton->setBackPicture(QPixmap(SkinPath(QStringLiteral("btn75_23.bmp"))));
    closeButton->setCaption(QStringLiteral("确 定"));
    closeButton->move(WindowWidth - closeButton->width() - 16, 210 + (WindowHeight - 210 - closeButton->height()) / 2);
    for (iButton* button : {cornerClose, closeButton})
        connect(button, &iButton::Click, this, &QWidget::close);
    closeButton->setFocus();
}

void About::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void About::closeEvent(QCloseEvent* event)
{
    emit closed();
    QWidget::closeEvent(event);
}
