#include "controls/BForm.h"
#include "controls/FrameZones.h"
#include "controls/ModGetTaskbarHei.h"
#include "controls/WindowMessages.h"
#include "controls/cSetStyle.h"

#include <QCursor>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

// Each pixel of the test skin names its own place: red is x, green is y.
QColor SkinAt(int x, int y)
{
    return QColor(x, y, 77);
}

QPixmap TestSkin()
{
    QImage skin(200, 100, QImage::Format_RGB32);
    for (int y = 0; y < skin.height(); ++y)
        for (int x = 0; x < skin.width(); ++x)
            skin.setPixelColor(x, y, SkinAt(x, y));
    return QPixmap::fromImage(skin);
}

class ResizeCounter : public QObject {
public:
    explicit ResizeCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            ++count;
        return false;
    }
};

// The left button of the real pointer; let go again however the test ends.
class LeftButton {
public:
    ~LeftButton()
    {
        if (m_down)
            release();
    }
    bool press() { return m_down = Xdotool("mousedown"); }
    bool release()
    {
        m_down = false;
        return Xdotool("mouseup");
    }

private:
    static bool Xdotool(const char* action)
    {
        return QProcess::execute(QStringLiteral("xdotool"), {QString::fromLatin1(action), QStringLiteral("1")}) == 0;
    }
    bool m_down = false;
};

// Moves the real pointer in a few steps, as a hand does.
void Glide(QPoint from, QPoint to)
{
    constexpr int Steps = 4;
    for (int i = 1; i <= Steps; ++i) {
        QCursor::setPos(from + (to - from) * i / Steps);
        QCoreApplication::processEvents();
    }
}

// What a window manager sends when the user closes a window from the desktop.
void SendDesktopClose(WId window)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    };
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window);
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    // A round trip, so that the server has sent it on before this connection ends.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    xcb_disconnect(connection);
}

// A skinned window as the hosts build it: borderless, the title bar across the top.
struct SkinnedWindow {
    QWidget form;
    // Watches before the frame's hook, which hands every event on a second time to
    // the filters that come after it.
    ResizeCounter resizes { &form };
    cSetStyle style;
    BForm* bar = new BForm(&form);

    explicit SkinnedWindow(const QRect& bounds)
    {
        style.SetWindowStyle(&form);
        form.setGeometry(bounds);
        bar->setPP(TestSkin());
        bar->setGeometry(0, 0, bounds.width(), bar->height());
    }
};

}

class TestSkinnedFrame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void hitZones_data();
    void hitZones();
    void draggedOutline_data();
    void draggedOutline();
    void taskbarHeight_data();
    void taskbarHeight();
    void skinPieces_data();
    void skinPieces();
    void maximiseRestoresTheFirstBounds();
    void realEdgeDragResizesOnceOnRelease_data();
    void realEdgeDragResizesOnceOnRelease();
    void titleBarDragMovesTheWindow();
    void desktopCloseRaisesCloseClick();
};

void TestSkinnedFrame::initTestCase()
{
    QCursor::setPos(0, 0);
}

void TestSkinnedFrame::hitZones_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("shape");

    // Edges at x 100 and 299, y 100 and 249.
    const QRect window(100, 100, 200, 150);
    QTest::newRow("bottom-right, 5 px in both ways") << window << QPoint(294, 244) << 3 << int(Qt::SizeFDiagCursor);
    QTest::newRow("6 px from the right: bottom edge") << window << QPoint(293, 244) << 4 << int(Qt::SizeVerCursor);
    QTest::newRow("6 px from the bottom: right edge") << window << QPoint(294, 243) << 2 << int(Qt::SizeHorCursor);
    QTest::newRow("6 px in both ways: inside") << window << QPoint(293, 243) << -1 << int(Qt::ArrowCursor);
    QTest::newRow("top within 5 px of the left: corner") << window << QPoint(105, 102) << 7 << int(Qt::SizeFDiagCursor);
    QTest::newRow("top 6 px from the left: top edge") << window << QPoint(106, 102) << 0 << int(Qt::SizeVerCursor);
    QTest::newRow("top-right corner") << window << QPoint(299, 100) << 1 << int(Qt::SizeBDiagCursor);
    QTest::newRow("left edge") << window << QPoint(100, 180) << 6 << int(Qt::SizeHorCursor);
    QTest::newRow("bottom-left corner") << window << QPoint(103, 247) << 5 << int(Qt::SizeBDiagCursor);
    QTest::newRow("short window: bottom-left before top-left")
        << QRect(100, 100, 200, 8) << QPoint(101, 104) << 5 << int(Qt::SizeBDiagCursor);
}

void TestSkinnedFrame::hitZones()
{
    QFETCH(QRect, window);
    QFETCH(QPoint, cursor);
    QFETCH(int, zone);
    QFETCH(int, shape);
    QCOMPARE(FrameZones::HitZone(cursor, window), zone);
    QCOMPARE(int(FrameZones::ZoneCursor(zone)), shape);
}

void TestSkinnedFrame::draggedOutline_data()
{
    QTest::addColumn<int>("zone");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<QSize>("maximum");
    QTest::addColumn<QRect>("outline");

    const QSize any(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QTest::newRow("right edge keeps the height") << 2 << QPoint(40, 9) << any << QRect(100, 100, 240, 150);
    QTest::newRow("top-left corner") << 7 << QPoint(-10, -20) << any << QRect(90, 80, 210, 170);
    QTest::newRow("left edge past the right stops at the minimum") << 6 << QPoint(500, 0) << any << QRect(250, 100, 50, 150);
    QTest::newRow("bottom edge past the top stops at the minimum") << 4 << QPoint(0, -500) << any << QRect(100, 100, 200, 50);
    QTest::newRow("bottom-right stops at the maximum") << 3 << QPoint(500, 500) << QSize(400, 300) << QRect(100, 100, 400, 300);
}

void TestSkinnedFrame::draggedOutline()
{
    QFETCH(int, zone);
    QFETCH(QPoint, delta);
    QFETCH(QSize, maximum);
    QFETCH(QRect, outline);
    QCOMPARE(FrameZones::DraggedOutline(QRect(100, 100, 200, 150), zone, delta, QSize(50, 50), maximum), outline);
}

void TestSkinnedFrame::taskbarHeight_data()
{
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<int>("twips");

    QTest::newRow("no panel") << QRect(0, 0, 1280, 1024) << 0;
    QTest::newRow("panel of 40 px at the bottom") << QRect(0, 0, 1280, 984) << 600;
    QTest::newRow("panel of 30 px at the top") << QRect(0, 30, 1280, 994) << 450;
    QTest::newRow("panel at the side") << QRect(60, 0, 1220, 1024) << 0;
}

void TestSkinnedFrame::taskbarHeight()
{
    QFETCH(QRect, workArea);
    QFETCH(int, twips);
    QCOMPARE(ReservedHeightTwips(QRect(0, 0, 1280, 1024), workArea), twips);
}

void TestSkinnedFrame::skinPieces_data()
{
    QTest::addColumn<bool>("nomin");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("shown");

    // A 300 x 200 window; the 200 x 100 skin is cut every 20 px (300 twips).
    QTest::newRow("title middle tile") << false << QPoint(50, 5) << SkinAt(30, 5);
    QTest::newRow("title right end") << false << QPoint(250, 10) << SkinAt(150, 10);
    QTest::newRow("title clipped to its height") << false << QPoint(250, 32) << SkinAt(150, 32);
    QTest::newRow("end without minimise over the right end") << true << QPoint(250, 10) << SkinAt(125, 10);
    QTest::newRow("right end beyond the piece without minimise") << true << QPoint(290, 10) << SkinAt(190, 10);
    QTest::newRow("left border") << false << QPoint(1, 110) << SkinAt(1, 63);
    QTest::newRow("right border, cut short by the picture") << false << QPoint(298, 110) << SkinAt(198, 63);
    QTest::newRow("bottom border tile") << false << QPoint(150, 198) << SkinAt(30, 98);
    QTest::newRow("bottom-left corner over the left border") << false << QPoint(1, 198) << SkinAt(1, 98);
    QTest::newRow("bottom-right corner") << false << QPoint(280, 198) << SkinAt(180, 98);
    QTest::newRow("the form's own ground inside") << false << QPoint(150, 100) << QColor(10, 20, 200);
}

void TestSkinnedFrame::skinPieces()
{
    QFETCH(bool, nomin);
    QFETCH(QPoint, at);
    QFETCH(QColor, shown);
    QWidget form;
    form.resize(300, 200);
    QPalette ground = form.palette();
    ground.setColor(QPalette::Window, QColor(10, 20, 200));
    form.setPalette(ground);
    auto* bar = new BForm(&form);
    bar->setPP(TestSkin());
    bar->setCaption(QString());
    bar->setGeometry(0, 0, 300, 100);
    QCOMPARE(bar->height(), 33);
    if (nomin)
        bar->Nomin();
    bar->Printform(&form);
    QCOMPARE(form.grab().toImage().pixelColor(at), shown);
}

void TestSkinnedFrame::maximiseRestoresTheFirstBounds()
{
    SkinnedWindow window(QRect(100, 120, 300, 200));
    window.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));
    QVERIFY(window.form.windowFlags() & Qt::FramelessWindowHint);
    const QRect work = window.form.screen()->availableGeometry();

    QVERIFY(window.style.CallWindowStateChange());
    QTRY_COMPARE(window.form.geometry(), work);
    // A settings change while maximised fits the window to the work area again and
    // leaves the saved bounds alone.
    window.form.setGeometry(10, 10, 100, 100);
    QSignalSpy settings(&window.style, &cSetStyle::SettingChange);
    QCoreApplication::postEvent(&window.form, new QEvent(QEvent::Type(WindowMessages::WM_SETTINGCHANGE)));
    QTRY_COMPARE(settings.count(), 1);
    QTRY_COMPARE(window.form.geometry(), work);
    QVERIFY(!window.style.CallWindowStateChange());
    QTRY_COMPARE(window.form.geometry(), QRect(100, 120, 300, 200));

    window.form.setGeometry(150, 90, 320, 240);
    QVERIFY(window.style.CallWindowStateChange());
    QVERIFY(!window.style.CallWindowStateChange());
    QTRY_COMPARE(window.form.geometry(), QRect(150, 90, 320, 240));
}

void TestSkinnedFrame::realEdgeDragResizesOnceOnRelease_data()
{
    QTest::addColumn<QPoint>("grip");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<int>("shape");
    QTest::addColumn<QRect>("resized");

    // The window is 320 x 200 at (300, 250); the title bar covers its top.
    QTest::newRow("right edge, 3 px in") << QPoint(316, 100) << QPoint(40, 6) << int(Qt::SizeHorCursor)
                                         << QRect(300, 250, 360, 200);
    QTest::newRow("top-left corner over the title bar")
        << QPoint(2, 2) << QPoint(-30, -20) << int(Qt::SizeFDiagCursor) << QRect(270, 230, 350, 220);
}

void TestSkinnedFrame::realEdgeDragResizesOnceOnRelease()
{
    QFETCH(QPoint, grip);
    QFETCH(QPoint, delta);
    QFETCH(int, shape);
    QFETCH(QRect, resized);
    const QRect bounds(300, 250, 320, 200);
    SkinnedWindow window(bounds);
    QSignalSpy titlePressed(window.bar, &BForm::MouseDown);
    window.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));

    const QPoint from = bounds.topLeft() + grip;
    QCursor::setPos(bounds.center());
    Glide(bounds.center(), from);
    QTRY_COMPARE(int(window.form.windowHandle()->cursor().shape()), shape);
    window.resizes.count = 0;

    LeftButton button;
    QVERIFY(button.press());
    QTRY_VERIFY(window.style.isResizing());
    QVERIFY(window.style.outline()->isVisible());
    Glide(from, from + delta);
    QTRY_COMPARE(window.style.outline()->geometry(), resized);
    QCOMPARE(window.form.geometry(), bounds);
    QCOMPARE(window.resizes.count, 0);

    QVERIFY(button.release());
    QTRY_VERIFY(!window.style.isResizing());
    QTRY_COMPARE(window.form.geometry(), resized);
    QVERIFY(!window.style.outline()->isVisible());
    QCOMPARE(window.resizes.count, 1);
    // The press belonged to the frame, not to the control under it.
    QCOMPARE(titlePressed.count(), 0);
}

void TestSkinnedFrame::titleBarDragMovesTheWindow()
{
    const QRect bounds(300, 250, 320, 200);
    SkinnedWindow window(bounds);
    QSignalSpy pressed(window.bar, &BForm::MouseDown);
    window.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));

    const QPoint from = bounds.topLeft() + QPoint(100, 15);
    Glide(bounds.center(), from);
    LeftButton button;
    QVERIFY(button.press());
    QTRY_COMPARE(pressed.count(), 1);
    Glide(from, from + QPoint(30, 20));
    QVERIFY(button.release());
    QTRY_COMPARE(window.form.geometry(), bounds.translated(30, 20));
    QVERIFY(!window.style.isResizing());
}

void TestSkinnedFrame::desktopCloseRaisesCloseClick()
{
    SkinnedWindow window(QRect(100, 120, 300, 200));
    QSignalSpy closeClick(&window.style, &cSetStyle::CloseClick);
    window.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window.form));

    SendDesktopClose(window.form.winId());
    QTRY_COMPARE(closeClick.count(), 1);
    QVERIFY(window.form.isVisible());

    // The host answers by closing the window itself, which the frame lets through.
    connect(&window.style, &cSetStyle::CloseClick, &window.form, &QWidget::close);
    SendDesktopClose(window.form.winId());
    QTRY_VERIFY(!window.form.isVisible());
    QCOMPARE(closeClick.count(), 2);
}

QTEST_MAIN(TestSkinnedFrame)
#include "TestSkinnedFrame.moc"
