// The keyboard guide page as written, line by line, without a window.
#include "pages/KeyGuidePage.h"

#include <QTest>

namespace {

// The fixed page around a fragment, the sprite at `sprite`.
QStringList Page(const QString& sprite, const QString& fragment)
{
    return {
        R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)",
        R"(<html xmlns="http://www.w3.org/1999/xhtml">)",
        " <head> ",
        R"( <meta http-equiv="Content-Type" content="text/html; charset=utf-8" />)",
        R"(<style type="text/css">)",
        "body {background-color: #b6f4f4;}",
        "html, body, span, applet, object, iframe,h1, h2, h3, h4, h5, h6, p, blockquote, pre,a, abbr, acronym, "
        "address, big, cite, code,del, dfn, em, font, img, ins, kbd, q, s, samp,small, strike, strong, sub, sup, tt, "
        "var,b, u, i, center,dl, dt, dd, ol, ul, li,fieldset, form, label, legend,table, caption, tbody, tfoot, "
        "thead, tr, th, td{margin: 0;padding: 0;border: 0;outline: 0; font-size: 100%;vertical-align: baseline;"
        "background: transparent;cursor:default}",
        "html, body{margin: 0;padding: 0;border: 0;outline: 0; vertical-align: baseline;background: transparent;"
        "font-size:12px;}",
        ".game_keyboard { margin-bottom:5px; list-style:none; padding-left:10px;}",
        ".game_keyboard ul{ overflow:hidden; zoom:1;}",
        ".game_keyboard li{ float:left; margin:5px 10px 0 0; line-height:30px; height:30px; font-size:12px; zoom:1;}",
        ".game_keyboard li span{ float:left; _display:inline;}",
        ".ico_c_mouseleft,.ico_c_mousescroll,.ico_c_mousemove,.ico_c_drag,.ico_full,.ico_c_alt,.ico_c_enter,"
        ".ico_c_shift,.ico_c_ctrl,.ico_c_tab,.ico_c_end,.ico_c_space,.ico_c_left,.ico_c_right,.ico_c_up,"
        ".ico_c_down,.ico_c_lr,.ico_c_ud,.ico_c_wasd,.ico_c_arrows{display:block; height:30px; margin-right:5px;  "
        "text-indent:0em; line-height:99em; overflow:hidden; background:url(" + sprite + ")  no-repeat;}",
        ".ico_key{ width:24px; height:22px; line-height:12px; padding-top:5px; margin-right:5px; display: block; "
        "text-align:center; font-size:9px; font-weight:bold; font-family:Verdana, Arial, Helvetica, sans-serif; "
        "color:#316534; background:url(" + sprite + ") 0 -553px no-repeat;}",
        ".ico_c_mouseleft{width:18px; background-position:0 2px;}",
        ".ico_c_mousescroll{width:18px; background-position:0 -33px; }",
        ".ico_c_mousemove{width:23px; background-position:0 -68px;}",
        ".ico_c_drag{width:23px; background-position:0 -103px;}",
        ".ico_c_alt{ width:38px; background-position:0 -136px;}",
        ".ico_c_enter{ width:47px; background-position:0 -168px; }",
        ".ico_c_shift{ width:47px; background-position:0 -200px; }",
        ".ico_c_ctrl{ width:38px; background-position:0 -232px;}",
        ".ico_c_tab{ width:38px; background-position:0 -264px; }",
        ".ico_c_end{ width:38px; background-position:0 -296px;}",
        ".ico_c_space{ width:77px; background-position:0 -328px; }",
        ".ico_c_left{ width:24px; background-position:0 -360px;}",
        ".ico_c_right{ width:24px; background-position:0 -392px;}",
        ".ico_c_up{ width:24px; background-position:0 -424px;}",
        ".ico_c_down{ width:24px; background-position:0 -456px;}",
        ".ico_c_lr{ width:49px; background-position:0 -488px;}",
        ".ico_c_ud{ width:49px; background-position:0 -520px;}",
        ".ico_c_wasd{ width:52px; height:30px; background-position:0 -588px;}",
        ".ico_c_arrows{ width:52px; background-position:0 -628px;}",
        ".ico_full{ width:24px; background-position:0 -674px;}",
        " </style> ",
        " </head> ",
        R"(<body scroll="no" ondragstart="window.event.returnValue=false" )"
        R"(oncontextmenu="window.event.returnValue=false" onselectstart="event.returnValue=false">)",
        fragment,
        "</body>",
        " </html> ",
    };
}

} // namespace

class TestKeyGuidePage : public QObject {
    Q_OBJECT
private slots:
    void writesTheFixedPageAroundTheFragment_data();
    void writesTheFixedPageAroundTheFragment();
};

void TestKeyGuidePage::writesTheFixedPageAroundTheFragment_data()
{
    QTest::addColumn<QString>("introduction");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("sprite");
    const QString opt = QStringLiteral("file:///opt/tavolin/Skin/DefaultSkin/icon_keys.png");
    QTest::newRow("empty introduction") << "" << "/opt/tavolin/" << "" << opt;
    QTest::newRow("folder without its separator") << "" << "/opt/tavolin" << "" << opt;
    QTest::newRow("spaces as %20")
        << R"(<ul%20class="game_keyboard"><li><span%20class="ico_c_space"></span>jump%20high</li></ul>)"
        << "/opt/tavolin/" << R"(<ul class="game_keyboard"><li><span class="ico_c_space"></span>jump high</li></ul>)"
        << opt;
    QTest::newRow("stray percents kept") << "speed 100%, %zz, %E4%B8, %41%" << "/opt/tavolin/"
                                         << "speed 100%, %zz, %E4%B8, %41%" << opt;
    QTest::newRow("escaped chinese") << "<li><span class=\"ico_key\">W</span>%E5%90%91%E4%B8%8A%20%E8%B7%B3</li>"
                                     << "/opt/tavolin/" << QString::fromUtf8("<li><span class=\"ico_key\">W</span>向上 跳</li>")
                                     << opt;
    QTest::newRow("chinese as it is") << QString::fromUtf8("方向键移动，空格开火") << "/opt/tavolin/"
                                      << QString::fromUtf8("方向键移动，空格开火") << opt;
    QTest::newRow("backslashes in the folder") << "" << "/opt\\games\\tavolin\\" << ""
                                               << "file:///opt/games/tavolin/Skin/DefaultSkin/icon_keys.png";
    QTest::newRow("blank, bracket, quote and chinese in the folder")
        << "" << QString::fromUtf8("/home/ann/我的 游戏 (2)/Tom's/") << ""
        << "file:///home/ann/%E6%88%91%E7%9A%84%20%E6%B8%B8%E6%88%8F%20%282%29/Tom%27s/Skin/DefaultSkin/icon_keys.png";
}

void TestKeyGuidePage::writesTheFixedPageAroundTheFragment()
{
    QFETCH(QString, introduction);
    QFETCH(QString, folder);
    QFETCH(QString, fragment);
    QFETCH(QString, sprite);
    const QStringList lines = KeyGuidePageLines(introduction, folder);
    const QStringList expected = Page(sprite, fragment);
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(lines[i] == expected[i], qPrintable(QStringLiteral("line %1: %2").arg(i + 1).arg(lines[i])));
}

QTEST_MAIN(TestKeyGuidePage)
#include "TestKeyGuidePage.moc"
