#include "pages/KeyGuidePage.h"

#include "store/UtfToGb.h"

#include <QUrl>

namespace {

// The rule of each picture class, in the order the style sheet writes them.
constexpr const char* PictureRules[] = {
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
};

// The shared rule names the classes in an order of its own: the full-screen key
// right after the mouse pictures.
constexpr const char* SharedOrder[] = {
    "ico_c_mouseleft", "ico_c_mousescroll", "ico_c_mousemove", "ico_c_drag", "ico_full",
    "ico_c_alt",       "ico_c_enter",       "ico_c_shift",     "ico_c_ctrl", "ico_c_tab",
    "ico_c_end",       "ico_c_space",       "ico_c_left",      "ico_c_right", "ico_c_up",
    "ico_c_down",      "ico_c_lr",          "ico_c_ud",        "ico_c_wasd", "ico_c_arrows",
};

QString sharedSelectors()
{
    QStringList selectors;
    for (const char* name : SharedOrder)
        selectors << QLatin1Char('.') + QLatin1String(name);
    return selectors.join(QLatin1Char(','));
}

} // namespace

QString KeyGuideSpriteFile(const QString& appFolder)
{
    QString folder = QString(appFolder).replace(QLatin1Char('\\'), QLatin1Char('/'));
    // The settings record keeps the folder with its trailing separator.
    while (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder + QStringLiteral("/Skin/DefaultSkin/icon_keys.png");
}

QString KeyGuideSpriteAddress(const QString& appFolder)
{
    const QString file = KeyGuideSpriteFile(appFolder);
    // Everything but letters, digits, "-._~", "/" and ":" is escaped: an unquoted url()
    // ends at a blank or a bracket, and a quote would end the style sheet's string.
    const QByteArray path = QUrl::toPercentEncoding(file, "/:");
    return QStringLiteral("file://") + (file.startsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/"))
         + QString::fromLatin1(path);
}

QString KeyGuideFragment(const QString& introduction)
{
    return UtfToGb::PercentDecodeUtf8(QString(introduction).replace(QStringLiteral("%20"), QStringLiteral(" ")));
}

QStringList KeyGuidePageLines(const QString& introduction, const QString& appFolder)
{
    const QString sprite = KeyGuideSpriteAddress(appFolder);
    QStringList lines{
        QStringLiteral(R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)"),
        QStringLiteral(R"(<html xmlns="http://www.w3.org/1999/xhtml">)"),
        QStringLiteral(" <head> "),
        QStringLiteral(R"( <meta http-equiv="Content-Type" content="text/html; charset=utf-8" />)"),
        QStringLiteral(R"(<style type="text/css">)"),
        QStringLiteral("body {background-color: #b6f4f4;}"),
        QStringLiteral("html, body, span, applet, object, iframe,h1, h2, h3, h4, h5, h6, p, blockquote, pre,a, abbr, "
                       "acronym, address, big, cite, code,del, dfn, em, font, img, ins, kbd, q, s, samp,small, "
                       "strike, strong, sub, sup, tt, var,b, u, i, center,dl, dt, dd, ol, ul, li,fieldset, form, "
                       "label, legend,table, caption, tbody, tfoot, thead, tr, th, td"
                       "{margin: 0;padding: 0;border: 0;outline: 0; font-size: 100%;vertical-align: baseline;"
                       "background: transparent;cursor:default}"),
        QStringLiteral("html, body{margin: 0;padding: 0;border: 0;outline: 0; vertical-align: baseline;"
                       "background: transparent;font-size:12px;}"),
        QStringLiteral(".game_keyboard { margin-bottom:5px; list-style:none; padding-left:10px;}"),
        QStringLiteral(".game_keyboard ul{ overflow:hidden; zoom:1;}"),
        QStringLiteral(".game_keyboard li{ float:left; margin:5px 10px 0 0; line-height:30px; height:30px; "
                       "font-size:12px; zoom:1;}"),
        QStringLiteral(".game_keyboard li span{ float:left; _display:inline;}"),
        sharedSelectors()
            + QStringLiteral("{display:block; height:30px; margin-right:5px;  text-indent:0em; line-height:99em; "
                             "overflow:hidden; background:url(")
            + sprite + QStringLiteral(")  no-repeat;}"),
        QStringLiteral(".ico_key{ width:24px; height:22px; line-height:12px; padding-top:5px; margin-right:5px; "
                       "display: block; text-align:center; font-size:9px; font-weight:bold; "
                       "font-family:Verdana, Arial, Helvetica, sans-serif; color:#316534; background:url(")
            + sprite + QStringLiteral(") 0 -553px no-repeat;}"),
    };
    for (const char* rule : PictureRules)
        lines << QLatin1String(rule);
    lines << QStringLiteral(" </style> ") << QStringLiteral(" </head> ")
          << QStringLiteral(R"(<body scroll="no" ondragstart="window.event.returnValue=false" )"
                            R"(oncontextmenu="window.event.returnValue=false" onselectstart="event.returnValue=false">)")
          << KeyGuideFragment(introduction) << QStringLiteral("</body>") << QStringLiteral(" </html> ");
    return lines;
}

QString KeyGuidePageText(const QString& introduction, const QString& appFolder)
{
    QString text;
    for (const QString& line : KeyGuidePageLines(introduction, appFolder))
        text += line + QLatin1Char('\n');
    return text;
}
