#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/uTab.h"
#include "tests/tabs/TabTestSupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Send(QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}

class TestTabStrip : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void selectedWrite_data();
    void selectedWrite();
    void closeButtonFixesSelection_data();
    void closeButtonFixesSelection();
    void hiddenButtonCannotBeClosed();
    void closeStateFollowsPointerAndButton();
    void notifications_data();
    void notifications();
    void closeHandlerCanKeepTheLastTab();
    void containerKeepsSelectedPageOnTop();
    void addingBeforeTheSelectionKeepsIt();
    void lockedStripDrawsNothing();
    void flagChangesRelayout();

private:
    void fill(int count);
    QPoint closeButton(int position) const;
    QPoint body(int position) const;
    void act(const QString& action);

    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<QWidget> m_host;
    QWidget* m_container = nullptr;
    uTab* m_strip = nullptr;
    QList<QPointer<TestForm>> m_forms;
    QStringList m_log;
};

void TestTabStrip::init()
{
    m_app = std::make_unique<QTemporaryDir>();
    SkinFixture::Install(m_app->path());
    m_host = std::make_unique<QWidget>();
    m_host->resize(700, 500);
    m_strip = new uTab(TabSkinFormat::Png, m_host.get());
    m_strip->setGeometry(0, 0, 600, 25);
    m_container = new QWidget(m_host.get());
    m_container->setGeometry(0, 30, 640, 400);
    m_strip->SethContainerWnd(m_container);
    m_host->show();
    m_log.clear();
    const auto mouse = [this](const char* name) {
        return [this, name](int index, Qt::MouseButtons, Qt::KeyboardModifiers, float, float) {
            m_log << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(index);
        };
    };
    connect(m_strip, &uTab::OnDblClick, this, mouse("dbl"));
    connect(m_strip, &uTab::OnMouseDown, this, mouse("down"));
    connect(m_strip, &uTab::OnMouseHover, this, mouse("hover"));
    connect(m_strip, &uTab::OnMouseMove, this, mouse("move"));
    connect(m_strip, &uTab::OnMouseUp, this, mouse("up"));
    connect(m_strip, &uTab::OnMouseLeave, this, [this] { m_log << QStringLiteral("leave"); });
    connect(m_strip, &uTab::OnItemColose, this,
            [this](int index, bool&) { m_log << QStringLiteral("colose %1").arg(index); });
}

void TestTabStrip::cleanup()
{
    m_host.reset();
    m_forms.clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestTabStrip::fill(int count)
{
    for (int i = 0; i < count; ++i) {
        auto* form = new TestForm;
        m_forms << form;
        m_strip->TabItems()->Add(QStringLiteral("tab %1").arg(i), form);
    }
    m_strip->LockReDraw(false);
}

QPoint TestTabStrip::closeButton(int position) const
{
    const auto tab = m_strip->TabItems()->Item(position);
    return QPoint(m_strip->TabLeftSize() + tab->Left() + tab->Width() - 18, 12);
}

QPoint TestTabStrip::body(int position) const
{
    const auto tab = m_strip->TabItems()->Item(position);
    return QPoint(m_strip->TabLeftSize() + tab->Left() + 30, 12);
}

// "move 1", "press 1", "release 1" (body of tab 1), "move x1" (its close button),
// "rpress 0" (right button), "drag 2" (move with the left button held), "dbl", "leave".
void TestTabStrip::act(const QString& action)
{
    const QStringList words = action.split(' ');
    QPoint at;
    if (words.size() > 1) {
        const QString target = words[1];
        at = target.startsWith('x') ? closeButton(target.mid(1).toInt())
            : target == "margin"    ? QPoint(10, 10)
                                    : body(target.toInt());
    }
    const QString verb = words[0];
    if (verb == "move")
        Send(m_strip, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, at);
    else if (verb == "drag")
        Send(m_strip, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, at);
    else if (verb == "press")
        Send(m_strip, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, at);
    else if (verb == "rpress")
        Send(m_strip, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, at);
    else if (verb == "release")
        Send(m_strip, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, at);
    else if (verb == "dbl")
        Send(m_strip, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, at);
    else if (verb == "leave") {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_strip, &leave);
    }
}

void TestTabStrip::selectedWrite_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("selected");
    QTest::newRow("past the last is ignored") << 5 << 1;
    QTest::newRow("Count is ignored") << 3 << 1;
    QTest::newRow("negative clears") << -7 << -1;
    QTest::newRow("last") << 2 << 2;
    QTest::newRow("first") << 0 << 0;
}

void TestTabStrip::selectedWrite()
{
    QFETCH(int, value);
    QFETCH(int, selected);
    fill(3);
    m_strip->SetSelected(1);
    m_strip->SetSelected(value);
    QCOMPARE(m_strip->Selected(), selected);
    QCOMPARE(m_strip->TabItems()->Selected(), selected);
}

void TestTabStrip::closeButtonFixesSelection_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("closed");
    QTest::addColumn<int>("after");
    QTest::newRow("selected last closed") << 2 << 2 << 0;
    QTest::newRow("selected middle closed") << 1 << 1 << 0;
    QTest::newRow("closed before the selection") << 2 << 0 << 1;
    QTest::newRow("closed after the selection") << 0 << 2 << 0;
}

void TestTabStrip::closeButtonFixesSelection()
{
    QFETCH(int, selected);
    QFETCH(int, closed);
    QFETCH(int, after);
    fill(3);
    m_strip->SetSelected(selected);
    const QString survivor = m_strip->TabItems()->Item(selected == closed ? 0 : selected)->Caption();
    QPointer<TestForm> page = m_forms[closed];
    act(QStringLiteral("move x%1").arg(closed));
    act(QStringLiteral("press x%1").arg(closed));
    act(QStringLiteral("release x%1").arg(closed));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_strip->TabItems()->Count(), 2);
    QCOMPARE(m_strip->Selected(), after);
    QVERIFY(page.isNull());
    if (selected != closed)
        QCOMPARE(m_strip->TabItems()->Item(after)->Caption(), survivor);
}

void TestTabStrip::hiddenButtonCannotBeClosed()
{
    fill(3);
    m_strip->TabItems()->Item(1)->SetHideButton(true);
    act("move x1");
    QCOMPARE(m_strip->HoverIndex(), 1);
    QCOMPARE(m_strip->CloseButtonState(), 0);
    act("press x1");
    act("release x1");
    QCOMPARE(m_strip->TabItems()->Count(), 3);
    QVERIFY(!m_log.contains("colose 1"));
}

void TestTabStrip::closeStateFollowsPointerAndButton()
{
    fill(3);
    act("move 1");
    QCOMPARE(m_strip->CloseButtonState(), 0);
    act("move x1");
    QCOMPARE(m_strip->CloseButtonState(), 1);
    act("press x1");
    QCOMPARE(m_strip->CloseButtonState(), 2);
    // Releasing elsewhere keeps the tab.
    act("release 1");
    QCOMPARE(m_strip->CloseButtonState(), 0);
    QCOMPARE(m_strip->TabItems()->Count(), 3);
    // Releasing on another tab's close button than the one hovered keeps it too.
    act("move x1");
    act("press x1");
    act("release x2");
    QCOMPARE(m_strip->TabItems()->Count(), 3);
}

void TestTabStrip::notifications_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("log");
    QTest::newRow("click a tab") << QStringList { "move 1", "press 1", "release 1" }
                                 << QStringList { "hover 1", "move 1", "down 1", "up 1" };
    QTest::newRow("moves within a tab hover once")
        << QStringList { "move 1", "move x1", "move 1" } << QStringList { "hover 1", "move 1", "move 1", "move 1" };
    QTest::newRow("close a tab") << QStringList { "move x1", "press x1", "release x1" }
                                 << QStringList { "hover 1", "move 1", "down 1", "colose 1", "up 1" };
    QTest::newRow("double click") << QStringList { "move 2", "press 2", "release 2", "dbl 2", "release 2" }
                                  << QStringList { "hover 2", "move 2", "down 2", "up 2", "down 2", "dbl 2", "up 2" };
    QTest::newRow("margin press") << QStringList { "press margin" } << QStringList { "down -2" };
    QTest::newRow("right button reports 0") << QStringList { "rpress margin" } << QStringList { "down 0" };
    QTest::newRow("moves with a button held") << QStringList { "drag 2" } << QStringList { "move 0" };
    QTest::newRow("leave") << QStringList { "move 0", "leave" } << QStringList { "hover 0", "move 0", "leave" };
}

void TestTabStrip::notifications()
{
    QFETCH(QStringList, actions);
    QFETCH(QStringList, log);
    fill(3);
    m_strip->SetSelected(0);
    for (const QString& action : actions)
        act(action);
    QCOMPARE(m_log, log);
}

void TestTabStrip::closeHandlerCanKeepTheLastTab()
{
    fill(1);
    connect(m_strip, &uTab::OnItemColose, this, [this](int, bool& cancel) {
        cancel = m_strip->TabItems()->Count() <= 1;
    });
    act("move x0");
    act("press x0");
    act("release x0");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_strip->TabItems()->Count(), 1);
    QVERIFY(!m_forms[0].isNull());
}

void TestTabStrip::containerKeepsSelectedPageOnTop()
{
    fill(3);
    const QPoint centre = m_container->rect().center();
    m_strip->SetSelected(1);
    QVERIFY(m_forms[1]->isVisible());
    QCOMPARE(m_forms[1]->geometry(), m_container->rect());
    QCOMPARE(m_container->childAt(centre), m_forms[1].data());

    act("press 2");
    QCOMPARE(m_strip->Selected(), 2);
    QCOMPARE(m_container->childAt(centre), m_forms[2].data());
    QVERIFY(m_forms[1]->isVisible());

    m_container->resize(500, 300);
    QCOMPARE(m_forms[2]->geometry(), QRect(0, 0, 500, 300));

    // A new page in an existing tab takes the old one's place on top.
    auto* replacement = new TestForm;
    m_forms << replacement;
    m_strip->TabItems()->Item(2)->SetForm(replacement);
    QCOMPARE(replacement->parentWidget(), m_container);
    QCOMPARE(m_container->childAt(centre.x() / 2, centre.y() / 2), replacement);
    QCOMPARE(m_strip->TabItems()->FindItem(static_cast<const ITabForm*>(replacement)), 2);
}

void TestTabStrip::addingBeforeTheSelectionKeepsIt()
{
    fill(3);
    m_strip->SetSelected(1);
    auto* form = new TestForm;
    m_forms << form;
    m_strip->TabItems()->Add("first", form, QString(), 0);
    QCOMPARE(m_strip->Selected(), 2);
    QCOMPARE(m_strip->TabItems()->Item(2)->Caption(), QStringLiteral("tab 1"));
}

void TestTabStrip::lockedStripDrawsNothing()
{
    int backgrounds = 0;
    connect(m_strip, &uTab::OnDrawBackground, this, [&](QPainter*, int, int, bool&) { ++backgrounds; });
    QTest::qWait(20);
    const QImage before = m_host->grab().toImage();
    for (int i = 0; i < 2; ++i) {
        auto* form = new TestForm;
        m_forms << form;
        m_strip->TabItems()->Add(QStringLiteral("tab %1").arg(i), form);
    }
    m_strip->SetSelected(1);
    QCOMPARE(backgrounds, 0);
    QCOMPARE(m_strip->TabItems()->Item(1)->Left(), 0);
    QCOMPARE(m_host->grab().toImage(), before);

    m_strip->LockReDraw(false);
    QCOMPARE(backgrounds, 1);
    QCOMPARE(m_strip->TabItems()->Item(1)->Left(), 122);
    QVERIFY(m_host->grab().toImage() != before);
}

void TestTabStrip::flagChangesRelayout()
{
    fill(10);
    QCOMPARE(m_strip->TabItems()->Item(0)->Width(), 55);
    m_strip->TabItems()->Item(0)->SetLockSize(true);
    // (546 - 108) / 9 = 48.67
    QCOMPARE(m_strip->TabItems()->Item(0)->Width(), 108);
    QCOMPARE(m_strip->TabItems()->Item(1)->Width(), 49);
    QCOMPARE(m_strip->TabItems()->Item(1)->Left(), 122);
}

QTEST_MAIN(TestTabStrip)
#include "TestTabStrip.moc"
