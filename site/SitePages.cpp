#include "site/SitePages.h"

#include "site/CommandLinks.h"
#include "site/SitePaths.h"
#include "site/SiteStyle.h"

#include "shell/SitePathNames.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <initializer_list>

namespace {

const QString SiteName = QStringLiteral("mivo游戏");
const QString HotPath = SitePathNames::ProductPath(SitePathNames::HotRank);
const QString WebListPath = SitePathNames::ProductPath(SitePathNames::GameWebList);
const QString FeaturedPath = SitePathNames::ProductPath(SitePathNames::Feature);
const QString FeaturedFramePath = SitePathNames::ProductPath("/html/left/0/list.html");
const QString ContactPath = QLatin1String(SitePathNames::Contact);
const QString ClientPath = SitePathNames::ProductPath("/download/index.html");

QString esc(const QString& text) { return text.toHtmlEscaped(); }

// Replaces each "{{key}}" in one pass, so that inserted text (escaped addresses hold
// "%" and digits) is never read as a placeholder itself.
QString fill(const QString& text, std::initializer_list<std::pair<const char*, QString>> values)
{
    QString out;
    out.reserve(text.size() * 2);
    qsizetype at = 0;
    while (true) {
        const qsizetype open = text.indexOf(QLatin1String("{{"), at);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1String("}}"), open + 2);
        if (close < 0) {
            out += QStringView(text).sliced(at);
            return out;
        }
        out += QStringView(text).sliced(at, open - at);
        const QStringView key = QStringView(text).sliced(open + 2, close - open - 2);
        const auto found = std::find_if(values.begin(), values.end(),
                                        [key](const auto& value) { return key == QLatin1String(value.first); });
        if (found == values.end())
            out += QStringView(text).sliced(open, close + 2 - open);
        else
            out += found->second;
        at = close + 2;
    }
}

// A link that asks for a new window: the launcher catches it and carries out the command.
QString commandLink(const QString& command, const QString& cls, const QString& inner, const QString& title = {})
{
    const QString titleAttribute = title.isEmpty() ? QString() : QStringLiteral(" title=\"%1\"").arg(esc(title));
    return QStringLiteral("<a class=\"%1\" href=\"%2\" target=\"_blank\"%3>%4</a>")
        .arg(cls, esc(command), titleAttribute, inner);
}

QString plays(int count)
{
    if (count >= 10000)
        return QString::number(count / 10000.0, 'f', 1) + QStringLiteral("万人玩");
    return QString::number(count) + QStringLiteral("人玩");
}

QString stars(int rating)
{
    return QStringLiteral("<span class=\"stars\" title=\"%1 分\">★★★★★<i style=\"width:%2%\">★★★★★</i></span>")
        .arg(QString::number(rating / 2.0, 'f', 1), QString::number(rating * 10));
}

QString thumbnail(const SiteGame& game, int size)
{
    return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%2\" alt=\"%3\">")
        .arg(SitePaths::Thumbnail(game), QString::number(size), esc(game.name));
}

// Pages with command links define the call, so that a plain browser shows no script error.
const QString CommandStub = QStringLiteral("<script>function CALL_API(){}</script>");

QString document(const QString& title, const QString& body, const QString& head = {})
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                          "<title>%1</title>\n<link rel=\"stylesheet\" href=\"%2\">\n%3</head>\n<body>\n%4\n</body>\n</html>\n")
        .arg(esc(title), QLatin1String(SiteStyle::StylePath), head, body);
}

// The portal pages' search, for a visitor in a plain browser.
QString searchBox()
{
    return QStringLiteral("<form class=\"search\" onsubmit=\"location.href='/tavolin/php/search.php?keyword='"
                          "+encodeURIComponent(this.k.value);return false\">"
                          "<input name=\"k\" placeholder=\"搜索游戏名称\"><button>搜索</button></form>");
}

QString footer()
{
    return QStringLiteral("<div class=\"foot\"><a href=\"/\">首页</a>|<a href=\"%1\">联系我们</a>|<a href=\"%2\">下载mivo盒子</a>"
                          "|<a href=\"%3\">客服中心</a>|<a href=\"%4\">充值中心</a><br>© 2012 %5 · 本地演示站点</div>")
        .arg(ContactPath, ClientPath, QLatin1String(SitePaths::CustomerService), QLatin1String(SitePaths::TopUp), SiteName);
}

QString guideCaps(const GameControl& control)
{
    static const QHash<QString, QString> pictures = {
        {QStringLiteral("mouseleft"), QStringLiteral("鼠标左键")}, {QStringLiteral("mousescroll"), QStringLiteral("鼠标滚轮")},
        {QStringLiteral("mousemove"), QStringLiteral("移动鼠标")}, {QStringLiteral("drag"), QStringLiteral("拖动鼠标")},
        {QStringLiteral("alt"), QStringLiteral("Alt")},           {QStringLiteral("enter"), QStringLiteral("Enter")},
        {QStringLiteral("shift"), QStringLiteral("Shift")},       {QStringLiteral("ctrl"), QStringLiteral("Ctrl")},
        {QStringLiteral("tab"), QStringLiteral("Tab")},           {QStringLiteral("end"), QStringLiteral("End")},
        {QStringLiteral("space"), QStringLiteral("空格")},        {QStringLiteral("left"), QStringLiteral("←")},
        {QStringLiteral("right"), QStringLiteral("→")},           {QStringLiteral("up"), QStringLiteral("↑")},
        {QStringLiteral("down"), QStringLiteral("↓")},            {QStringLiteral("lr"), QStringLiteral("← →")},
        {QStringLiteral("ud"), QStringLiteral("↑ ↓")},            {QStringLiteral("wasd"), QStringLiteral("W A S D")},
        {QStringLiteral("arrows"), QStringLiteral("↑ ↓ ← →")},    {QStringLiteral("full"), QStringLiteral("全屏")},
    };
    QStringList caps;
    if (!control.picture.isEmpty()) {
        for (const QString& cap : pictures.value(control.picture).split(QLatin1Char(' ')))
            caps += QStringLiteral("<kbd>%1</kbd>").arg(esc(cap));
    }
    for (const QChar key : control.keys)
        caps += QStringLiteral("<kbd>%1</kbd>").arg(esc(QString(key)));
    return caps.join(QString());
}

} // namespace

SitePages::SitePages(const SiteCatalogue& catalogue, const QString& siteBase, const QString& visitor)
    : m_catalogue(catalogue)
    , m_siteBase(siteBase)
    , m_visitor(visitor)
{
}

// The head of a list page. No search box: the launcher shows its own above these pages.
QString SitePages::strip(const QString& title, const QString& count) const
{
    const QString who = m_visitor.isEmpty() ? QStringLiteral("游客") : QStringLiteral("%1 · 已登录").arg(esc(m_visitor));
    return QStringLiteral("<div class=\"strip\"><h1>%1</h1><span class=\"count\">%2</span><span class=\"who\">%3</span></div>")
        .arg(esc(title), esc(count), who);
}

QString SitePages::listAction(const SiteGame& game) const
{
    return game.isWeb() ? CommandLinks::WebTable(game, m_siteBase, true) : CommandLinks::OpenTable(game, m_siteBase);
}

QString SitePages::listCard(const SiteGame& game) const
{
    const QString inner = QStringLiteral("%1<span class=\"name\">%2</span><span class=\"meta\">%3 · %4</span>")
                              .arg(thumbnail(game, 96), esc(game.name), esc(game.category), plays(game.plays));
    if (!game.isWeb())
        return commandLink(CommandLinks::OpenTable(game, m_siteBase), QStringLiteral("card"), inner, game.name);
    // Web games start straight from the list; their page is one click further.
    return QStringLiteral("<div class=\"card\">%1<span class=\"acts\">%2%3</span></div>")
        .arg(commandLink(CommandLinks::WebTable(game, m_siteBase, true), QStringLiteral("pic"), inner, game.name),
             commandLink(CommandLinks::WebTable(game, m_siteBase, true), QStringLiteral("btn"), QStringLiteral("开始游戏")),
             commandLink(CommandLinks::OpenTable(game, m_siteBase), QStringLiteral("btn ghost"), QStringLiteral("详情")));
}

QString SitePages::grid(const QList<SiteGame>& games) const
{
    QString out = QStringLiteral("<div class=\"grid\">");
    for (const SiteGame& game : games)
        out += listCard(game);
    return out + QLatin1String("</div>");
}

QString SitePages::portalHeader(const QString& current) const
{
    const QList<std::pair<QString, QString>> links = {
        {QStringLiteral("/"), QStringLiteral("首页")},
        {SitePaths::FlashList(0), QStringLiteral("Flash游戏")},
        {HotPath, QStringLiteral("热门排行")},
        {WebListPath, QStringLiteral("网页游戏")},
        {FeaturedPath, QStringLiteral("精品推荐")},
        {ContactPath, QStringLiteral("联系我们")},
    };
    QString nav;
    for (const auto& [path, caption] : links) {
        nav += QStringLiteral("<a href=\"%1\"%2>%3</a>")
                   .arg(path, path == current ? QStringLiteral(" class=\"on\"") : QString(), caption);
    }
    return QStringLiteral("<div class=\"top\"><div class=\"wrap\"><a class=\"logo\" href=\"/\"><span class=\"mark\">m</span>"
                          "<span>%1<small>小游戏 · 大快乐</small></span></a><nav class=\"nav\">%2</nav>%3</div></div>")
        .arg(SiteName, nav, searchBox());
}

QString SitePages::home() const
{
    const QList<SiteGame> featured = m_catalogue.featured();
    const SiteGame& spotlight = featured.isEmpty() ? m_catalogue.games().first() : featured.first();
    QString latest;
    const QList<SiteGame> flash = m_catalogue.flashGames();
    for (const SiteGame& game : flash.mid(0, 10)) {
        latest += QStringLiteral("<a class=\"card\" href=\"%1\">%2<span class=\"name\">%3</span>"
                                 "<span class=\"meta\">%4 · %5</span></a>")
                      .arg(SitePaths::GamePage(game), thumbnail(game, 96), esc(game.name), esc(game.category), plays(game.plays));
    }
    QString web;
    for (const SiteGame& game : m_catalogue.webGames()) {
        web += QStringLiteral("<a class=\"card\" href=\"%1\">%2<span class=\"name\">%3</span><span class=\"meta\">%4</span></a>")
                   .arg(SitePaths::GamePage(game), thumbnail(game, 96), esc(game.name), stars(game.rating));
    }
    QString top;
    for (const SiteGame& game : m_catalogue.hotRanking().mid(0, 10))
        top += QStringLiteral("<li><a href=\"%1\">%2</a><span>%3</span></li>")
                   .arg(SitePaths::GamePage(game), esc(game.name), plays(game.plays));

    const QString body = portalHeader(QStringLiteral("/"))
        + fill(QStringLiteral(R"html(<div class="wrap">
<div class="columns">
 <div>
  <div class="hero" style="background:linear-gradient(120deg,{{from}},{{to}})">{{picture}}<div><span class="label">今日推荐 · {{category}}</span>
   <h2>{{name}}</h2><p>{{summary}}</p><a class="btn" href="{{page}}">查看详情</a></div></div>
  <div class="box"><h2>最新Flash游戏<a class="more" href="{{flashList}}">更多 »</a></h2><div class="grid">{{latest}}</div></div>
 </div>
 <div>
  <div class="client" style="margin-top:14px"><h3>mivo盒子</h3><p>一键下载，离线也能玩；收藏、排行、键位说明一应俱全。</p>
   <a class="btn big" href="{{client}}">免费下载</a></div>
  <div class="box"><h2>热门排行<a class="more" href="{{hot}}">全部 »</a></h2><ol class="toplist">{{top}}</ol></div>
 </div>
</div>
<div class="box"><h2>网页游戏<a class="more" href="{{webList}}">更多 »</a></h2><div class="grid">{{web}}</div></div>
)html"),
               {{"from", spotlight.colour.name()}, {"to", spotlight.colour.darker(170).name()},
                {"picture", thumbnail(spotlight, 130)}, {"category", esc(spotlight.category)},
                {"name", esc(spotlight.name)}, {"summary", esc(spotlight.summary)},
                {"page", SitePaths::GamePage(spotlight)}, {"flashList", SitePaths::FlashList(0)}, {"latest", latest},
                {"client", ClientPath}, {"hot", HotPath}, {"top", top}, {"webList", WebListPath}, {"web", web}})
        + footer() + QLatin1String("</div>");
    return document(SiteName + QStringLiteral(" - 小游戏大全"), body);
}

QString SitePages::contact() const
{
    const QString body = portalHeader(ContactPath) + QStringLiteral(R"html(<div class="wrap">
<div class="crumbs"><a href="/">首页</a> › 联系我们</div>
<div class="box"><h2>联系我们</h2>
<p>欢迎来到%1！如果您在使用网站或mivo盒子时遇到问题，或者有好玩的游戏想推荐给大家，请通过下面的方式联系我们。</p>
<div class="contact">
 <div><b>客服邮箱</b>kefu@mivo.example<br>工作日 24 小时内回复</div>
 <div><b>玩家交流群</b>QQ群：100 200 300<br>每晚 8 点有管理员在线</div>
 <div><b>游戏投稿</b>tougao@mivo.example<br>原创Flash游戏优先推荐</div>
 <div><b>商务合作</b>bd@mivo.example<br>广告投放与联合运营</div>
</div></div>
<div class="box"><h2>常见问题</h2><dl class="faq">
 <dt>下载的游戏保存在哪里？</dt><dd>mivo盒子把游戏保存在程序目录的 Games 文件夹，缩略图保存在 Jpgs 文件夹，断网也能玩。</dd>
 <dt>为什么有的游戏不用下载？</dt><dd>部分体积较大的游戏直接在线运行，打开即玩，不占用硬盘空间。</dd>
 <dt>忘记了密码怎么办？</dt><dd>请发邮件到客服邮箱，注明注册时使用的用户名和邮箱。</dd>
 <dt>网页游戏在哪里玩？</dt><dd>网页游戏会在mivo游戏浏览器中打开，每个游戏一个标签页。</dd>
</dl></div>
)html").arg(SiteName) + footer() + QLatin1String("</div>");
    return document(QStringLiteral("联系我们 - ") + SiteName, body);
}

QString SitePages::clientDownload() const
{
    const QString body = portalHeader(QString()) + QStringLiteral(R"html(<div class="wrap">
<div class="crumbs"><a href="/">首页</a> › 下载mivo盒子</div>
<div class="client" style="margin:14px 0;padding:30px"><h3 style="font-size:26px">mivo盒子 V 3.0</h3>
<p>更新日期 2012.04.01 · 适用于桌面电脑</p><p>本地演示站点不提供安装包；正式版本请从发行渠道获取。</p></div>
<div class="box"><h2>新版特色</h2><ul>
<li>我的盒子：下载过的游戏一目了然，支持收藏和分页浏览。</li>
<li>找游戏：Flash游戏、热门排行、网页游戏、精品推荐和搜索。</li>
<li>全屏与弹出窗口模式，游戏键位说明随时查看。</li>
</ul></div>
)html") + footer() + QLatin1String("</div>");
    return document(QStringLiteral("下载mivo盒子 - ") + SiteName, body);
}

QString SitePages::customerService() const
{
    const QString body = portalHeader(QString()) + QStringLiteral(R"html(<div class="wrap">
<div class="crumbs"><a href="/">首页</a> › 客服中心</div>
<div class="client service"><h3>客服中心</h3><p>游戏打不开、充值没到账、账号找不回？告诉我们，客服小米粒帮您解决。</p>
<div class="hours"><span><b>在线客服</b>每天 9:00 – 22:00</span><span><b>邮件客服</b>全天受理，24 小时内回复</span>
<span><b>节假日</b>10:00 – 18:00</span></div></div>
<div class="box"><h2>联系方式</h2><div class="contact">
 <div><b>客服邮箱</b>kefu@mivo.example<br>游戏、下载和游戏浏览器的问题</div>
 <div><b>充值问题</b>pay@mivo.example<br>请写明充值账号和时间</div>
 <div><b>账号申诉</b>zhanghao@mivo.example<br>找回密码、账号被盗</div>
 <div><b>意见反馈</b>fankui@mivo.example<br>想玩的游戏、网站的建议</div>
</div><div class="note">本站是本地演示站点，以上联系方式均为虚构，发出的邮件不会有人收到。</div></div>
<div class="box"><h2>常见问题</h2><dl class="faq">
 <dt>网页游戏打不开或一直白屏怎么办？</dt><dd>点游戏浏览器下方的“清除缓存”，再重新打开游戏；仍然不行，请把游戏名称和出问题的时间发到客服邮箱。</dd>
 <dt>游戏里按键没有反应？</dt><dd>先用鼠标点一下游戏画面，让游戏接收键盘；方向键和 W A S D 都可以操作。</dd>
 <dt>打开的游戏太多了，怎么关掉？</dt><dd>每个网页游戏一个标签页，点标签上的关闭按钮即可；关掉最后一个标签时游戏浏览器也会关闭。</dd>
 <dt>充值以后游戏币没有到账？</dt><dd>正式环境中充值一般 5 分钟内到账。本演示站点不收取任何费用，也不会发放游戏币。</dd>
 <dt>忘记了密码怎么办？</dt><dd>发邮件到账号申诉邮箱，注明注册时使用的用户名和邮箱。</dd>
</dl></div>
)html") + footer() + QLatin1String("</div>");
    return document(QStringLiteral("客服中心 - ") + SiteName, body);
}

QString SitePages::topUp() const
{
    struct Amount {
        int yuan;
        int bonus;
    };
    static constexpr Amount Amounts[] = {{10, 0}, {30, 0}, {50, 20}, {100, 60}, {200, 150}, {500, 500}};
    QString amounts;
    for (const Amount& amount : Amounts) {
        amounts += QStringLiteral(R"html(<label><input type="radio" name="amount" value="%1"%2><span class="tile"><b>%1 元</b>)html"
                                  R"html(<small>%3 mivo币</small>%4</span></label>)html")
                       .arg(QString::number(amount.yuan), amount.yuan == 30 ? QStringLiteral(" checked") : QString(),
                            QString::number(amount.yuan * 10),
                            amount.bonus ? QStringLiteral("<em>赠 %1</em>").arg(amount.bonus) : QString());
    }
    // The form goes nowhere: submitting only repeats that nothing was charged.
    const QString body = portalHeader(QString()) + fill(QStringLiteral(R"html(<div class="wrap">
<div class="crumbs"><a href="/">首页</a> › 充值中心</div>
<div class="demo-notice"><b>演示</b>这是演示页面，不会产生任何扣费。表单不会提交到任何地方，也不会发放游戏币。</div>
<div class="columns start">
<div class="box"><h2>充值中心</h2>
<form class="pay" onsubmit="document.getElementById('paid').hidden=false;return false">
 <div class="row"><span class="label">充值账号</span><input name="user" placeholder="请输入mivo用户名" maxlength="16"></div>
 <div class="row"><span class="label">充值金额</span><div class="amounts">{{amounts}}</div></div>
 <div class="row"><span class="label">支付方式</span><div class="methods">
  <label><input type="radio" name="method" value="bank" checked><span>网上银行</span></label>
  <label><input type="radio" name="method" value="mobile"><span>手机支付</span></label>
  <label><input type="radio" name="method" value="card"><span>游戏点卡</span></label></div></div>
 <div class="row"><span class="label"></span><div><button class="btn big orange">确认充值</button>
  <div id="paid" class="paid" hidden>演示站点：没有发生任何扣费，也没有发出任何请求。</div></div></div>
</form></div>
<div class="box"><h2>充值说明</h2><ul class="rules">
 <li>1 元 = 10 mivo币，可在所有网页游戏中使用。</li>
 <li>单笔满 50 元有赠送，赠送的 mivo币与充值同时到账。</li>
 <li>未成年人请在家长陪同下充值。</li>
 <li>遇到问题请到<a href="{{service}}">客服中心</a>。</li>
</ul></div>
</div>
)html"),
                                                         {{"amounts", amounts}, {"service", QLatin1String(SitePaths::CustomerService)}})
        + footer() + QLatin1String("</div>");
    return document(QStringLiteral("充值中心 - ") + SiteName, body);
}

int SitePages::flashPageCount() const
{
    return int((m_catalogue.flashGames().size() + GamesPerListPage - 1) / GamesPerListPage);
}

QString SitePages::flashList(int page) const
{
    const QList<SiteGame> games = m_catalogue.flashGames();
    QString pager;
    if (flashPageCount() > 1) {
        pager = QStringLiteral("<div class=\"pager\">");
        for (int i = 0; i < flashPageCount(); ++i) {
            pager += i == page ? QStringLiteral("<span>%1</span>").arg(i + 1)
                               : QStringLiteral("<a href=\"%1\">%2</a>").arg(SitePaths::FlashList(i), QString::number(i + 1));
        }
        pager += QLatin1String("</div>");
    }
    const QString body = strip(QStringLiteral("Flash游戏"), QStringLiteral("共 %1 款 · 点击游戏打开下载页").arg(games.size()))
        + QStringLiteral("<div class=\"wrap\"><div class=\"box\">") + grid(games.mid(page * GamesPerListPage, GamesPerListPage))
        + pager + QLatin1String("</div></div>");
    return document(QStringLiteral("Flash游戏"), body, CommandStub);
}

QString SitePages::hotRank() const
{
    QString rows;
    int position = 0;
    for (const SiteGame& game : m_catalogue.hotRanking().mid(0, 30)) {
        ++position;
        const QString action = commandLink(listAction(game), QStringLiteral("btn"),
                                           game.isWeb() ? QStringLiteral("开始游戏") : QStringLiteral("去下载"));
        rows += fill(QStringLiteral("<tr class=\"r{{no}}\"><td class=\"no\"><b>{{no}}</b></td><td style=\"width:56px\">{{pic}}</td>"
                                    "<td><div class=\"title\">{{name}}</div><span class=\"tag\">{{kind}}</span> {{stars}}</td>"
                                    "<td class=\"plays\">{{plays}}</td><td class=\"go\">{{action}}</td></tr>"),
                     {{"no", QString::number(position)},
                      {"pic", commandLink(listAction(game), QStringLiteral("pic"), thumbnail(game, 44), game.name)},
                      {"name", esc(game.name)},
                      {"kind", esc(game.isWeb() ? game.category + QStringLiteral(" · 网页") : game.category)},
                      {"stars", stars(game.rating)}, {"plays", plays(game.plays)}, {"action", action}});
    }
    const QString body = strip(QStringLiteral("热门排行"), QStringLiteral("本周最多人玩的游戏"))
        + QStringLiteral("<div class=\"wrap\"><div class=\"box\"><table class=\"rank\">") + rows
        + QLatin1String("</table></div></div>");
    return document(QStringLiteral("热门排行"), body, CommandStub);
}

QString SitePages::webList() const
{
    const QList<SiteGame> games = m_catalogue.webGames();
    const QString body = strip(QStringLiteral("网页游戏"), QStringLiteral("共 %1 款 · 无需下载，在游戏浏览器中打开").arg(games.size()))
        + QStringLiteral("<div class=\"wrap\"><div class=\"box\">") + grid(games) + QLatin1String("</div></div>");
    return document(QStringLiteral("网页游戏"), body, CommandStub);
}

QString SitePages::featured() const
{
    const QList<SiteGame> picks = m_catalogue.featured();
    QString hero;
    if (!picks.isEmpty()) {
        const SiteGame& game = picks.first();
        hero = QStringLiteral("<div class=\"hero\" style=\"background:linear-gradient(120deg,%1,%2)\">%3<div>"
                              "<span class=\"label\">编辑推荐 · %4</span><h2>%5</h2><p>%6</p>%7</div></div>")
                   .arg(game.colour.name(), game.colour.darker(170).name(), thumbnail(game, 130), esc(game.category),
                        esc(game.name), esc(game.summary),
                        commandLink(listAction(game), QStringLiteral("btn"),
                                    game.isWeb() ? QStringLiteral("开始游戏") : QStringLiteral("马上去玩")));
    }
    // The list sits in the page's first frame, as the launcher expects of this page.
    const QString body = strip(QStringLiteral("精品推荐"), QStringLiteral("小编精选的好游戏"))
        + QStringLiteral("<div class=\"wrap\">") + hero
        + QStringLiteral("<iframe class=\"frame\" src=\"%1\" style=\"height:calc(100vh - 250px);min-height:300px\"></iframe></div>")
              .arg(FeaturedFramePath);
    return document(QStringLiteral("精品推荐"), body, CommandStub);
}

QString SitePages::featuredFrame() const
{
    QList<SiteGame> picks = m_catalogue.featured();
    for (const SiteGame& game : m_catalogue.games()) {
        if (!game.featured && game.rating >= 9)
            picks.append(game);
    }
    const QString body = QStringLiteral("<div class=\"box\" style=\"margin:0 0 10px\"><h2>精选游戏</h2>") + grid(picks)
        + QLatin1String("</div>");
    return document(QStringLiteral("精选游戏"), body, CommandStub + QStringLiteral("<style>body{background:transparent}</style>"));
}

QString SitePages::search(const QString& words) const
{
    const QList<SiteGame> found = m_catalogue.search(words);
    QString content;
    if (words.trimmed().isEmpty()) {
        content = QStringLiteral("<div class=\"empty\">请输入想玩的游戏名称或类别，比如“跑酷”“棋牌”。</div>");
    } else if (found.isEmpty()) {
        content = QStringLiteral("<div class=\"empty\">没有找到与“%1”相关的游戏，看看大家都在玩什么吧：</div>").arg(esc(words));
    } else {
        content = grid(found);
    }
    if (found.isEmpty())
        content += QStringLiteral("<h2 style=\"margin-top:16px\">大家都在玩</h2>") + grid(m_catalogue.hotRanking().mid(0, 8));
    const QString count = words.trimmed().isEmpty() ? QString()
                                                    : QStringLiteral("“%1”：找到 %2 款游戏").arg(words.trimmed(), QString::number(found.size()));
    const QString body = strip(QStringLiteral("搜索游戏"), count) + QStringLiteral("<div class=\"wrap\"><div class=\"box\">")
        + content + QLatin1String("</div></div>");
    return document(QStringLiteral("搜索游戏"), body, CommandStub);
}

QString SitePages::gamePage(const SiteGame& game) const
{
    QString action;
    QString note;
    if (game.isWeb()) {
        action = commandLink(CommandLinks::WebTable(game, m_siteBase, false), QStringLiteral("btn big orange"),
                             QStringLiteral("开始游戏"));
        note = QStringLiteral("网页游戏无需下载，将在mivo游戏浏览器中打开。");
    } else if (game.streamed) {
        action = commandLink(CommandLinks::FlashTable(game, m_siteBase), QStringLiteral("btn big orange"),
                             QStringLiteral("在线开始"));
        note = QStringLiteral("本游戏在线运行，只保存缩略图，不占用硬盘空间。");
    } else {
        action = commandLink(CommandLinks::FlashTable(game, m_siteBase), QStringLiteral("btn big"),
                             QStringLiteral("下载游戏"));
        note = QStringLiteral("下载后保存在“我的盒子”里，断网也能玩。");
    }
    QString keys;
    for (const GameControl& control : game.controls)
        keys += QStringLiteral("<li>%1<span>%2</span></li>").arg(guideCaps(control), esc(control.action));
    QString related;
    int shown = 0;
    for (const SiteGame& other : m_catalogue.games()) {
        if (other.id == game.id || other.category != game.category || shown == 6)
            continue;
        ++shown;
        related += QStringLiteral("<a class=\"card\" href=\"%1\">%2<span class=\"name\">%3</span><span class=\"meta\">%4</span></a>")
                       .arg(SitePaths::GamePage(other), thumbnail(other, 96), esc(other.name), plays(other.plays));
    }
    const QString listPath = game.isWeb() ? WebListPath : SitePaths::FlashList(0);
    const QString body = fill(QStringLiteral(R"html(<div class="wrap" style="padding:26px 30px 20px">
<div class="crumbs"><a href="{{listPath}}">{{listName}}</a> › {{category}} › {{name}}</div>
<div class="box"><div class="game"><div class="pic">{{picture}}</div><div>
<h1>{{name}}</h1>
<div class="facts"><span><b>类别</b>{{category}}</span><span><b>人气</b>{{plays}}</span><span><b>评分</b>{{stars}}</span><span><b>更新</b>{{date}}</span></div>
{{action}}<div class="note">{{note}}</div></div></div></div>
<div class="box"><h2>游戏介绍</h2><p>{{summary}}</p></div>
<div class="box"><h2>操作说明</h2><ul class="keys">{{keys}}</ul></div>
)html"),
                              {{"listPath", listPath},
                               {"listName", game.isWeb() ? QStringLiteral("网页游戏") : QStringLiteral("Flash游戏")},
                               {"category", esc(game.category)}, {"name", esc(game.name)},
                               {"picture", thumbnail(game, 150)}, {"plays", plays(game.plays)},
                               {"stars", stars(game.rating)}, {"date", game.date}, {"action", action}, {"note", note},
                               {"summary", esc(game.summary)}, {"keys", keys}})
        + (related.isEmpty() ? QString()
                             : QStringLiteral("<div class=\"box\"><h2>同类游戏</h2><div class=\"grid\">%1</div></div>").arg(related))
        + QLatin1String("</div>");
    return document(game.name, body, CommandStub);
}

QString SitePages::space(const QString& user) const
{
    QString greeting;
    QString actions;
    if (user.isEmpty()) {
        greeting = QStringLiteral("<b>您好，游客！</b><p>登录后同步收藏、参与排行，还能领取每日礼包。</p>");
        // The launcher tells these two apart by their type attribute.
        actions = QStringLiteral("<a class=\"btn\" type=\"8\" href=\"/my/space1.php\" target=\"_blank\">登录</a>"
                                 "<a class=\"btn orange\" type=\"9\" href=\"/my/space1.php\" target=\"_blank\">免费注册</a>");
    } else {
        greeting = QStringLiteral("<b title=\"%1\">%1，欢迎回来！</b><p>今天也来玩几局吧！<br>新游戏每周上架。</p>").arg(esc(user));
        actions = QStringLiteral("<a class=\"btn ghost\" href=\"/my/logout.php\">退出登录</a>");
    }
    // Names only: the pane cannot run commands, and a plain link would leave it.
    QString hot;
    for (const SiteGame& game : m_catalogue.hotRanking().mid(0, 4)) {
        hot += QStringLiteral("<li><img src=\"%1\" alt=\"\"><span><b>%2</b><i>%3 · %4</i></span></li>")
                   .arg(SitePaths::Thumbnail(game), esc(game.name), esc(game.category), plays(game.plays));
    }
    const QString initial = user.isEmpty() ? QStringLiteral("客") : esc(user.left(1).toUpper());
    const QString body = QStringLiteral(R"html(<div class="me">
<div class="head"><div class="avatar">%1</div>%2</div>
<div class="acts">%3</div>
<h3>热门游戏</h3><ul class="hot">%4</ul>
<div class="tip">在“找游戏”里挑选好游戏，<br>下载后都在左边的盒子里。</div>
</div>)html")
                             .arg(initial, greeting, actions, hot);
    // Laid out for the launcher's narrow pane: 187 pixels wide, at most 512 high, never scrolled.
    const QString head = QStringLiteral(R"html(<style>
html,body{height:100%;overflow:hidden}
body{background:linear-gradient(180deg,#f4f9fe,#e3eef8)}
.me{padding:0 0 8px}
.head{background:linear-gradient(160deg,#298cd3,#0460a3);color:#fff;text-align:center;padding:14px 12px 12px;border-radius:0 0 14px 14px;
 box-shadow:0 2px 8px rgba(4,96,163,.3)}
.avatar{width:54px;height:54px;margin:0 auto 6px;border-radius:50%;background:linear-gradient(160deg,#fff,#dcecf9);color:#0460a3;
 font-size:24px;font-weight:bold;display:grid;place-items:center;border:3px solid rgba(255,255,255,.7);box-sizing:border-box}
.head b{display:block;font-size:15px;white-space:nowrap;overflow:hidden;text-overflow:ellipsis}
.head p{margin:3px 0 0;font-size:12px;line-height:1.5;opacity:.9}
.acts{display:flex;flex-direction:column;gap:7px;padding:12px 14px 4px}
.acts .btn{display:block;text-align:center;padding:6px 0;font-size:13px;font-weight:bold;border-radius:16px}
h3{margin:8px 14px 6px;font-size:13px;color:#0460a3;display:flex;align-items:center;gap:6px}
h3::before{content:"";width:3px;height:13px;border-radius:2px;background:#f5a623}
.hot{list-style:none;margin:0 10px;padding:4px 6px;background:#fff;border-radius:10px;box-shadow:0 1px 4px rgba(20,60,100,.1)}
.hot li{display:flex;align-items:center;gap:8px;padding:5px 0;border-bottom:1px dashed #e3e9ef}
.hot li:last-child{border-bottom:0}
.hot img{width:32px;height:32px;border-radius:7px;flex:none;box-shadow:0 1px 3px rgba(0,0,0,.18)}
.hot span{min-width:0;line-height:1.3}
.hot b,.hot i{display:block;white-space:nowrap;overflow:hidden;text-overflow:ellipsis}
.hot b{font-size:12px;color:#2b3440}.hot i{font-style:normal;font-size:11px;color:#8a97a5}
.tip{margin:9px 14px 0;font-size:11px;line-height:1.5;color:#8a97a5;text-align:center}
</style>)html");
    return document(QStringLiteral("我的空间"), body, head);
}

QString SitePages::adRight() const
{
    const QList<SiteGame> picks = m_catalogue.featured();
    const SiteGame& game = picks.isEmpty() ? m_catalogue.games().first() : picks.value(1, picks.first());
    // Sized for the narrow pane and the 310 x 200 corner pop-up: fills whatever it gets, never scrolls.
    return QStringLiteral(R"html(<!DOCTYPE html>
<html lang="zh-CN"><head><meta charset="utf-8"><title>新游推荐</title>
<style>
html,body{margin:0;height:100%;overflow:hidden;font-family:"Microsoft YaHei","WenQuanYi Micro Hei",sans-serif}
a{text-decoration:none}
.ad{height:100%;display:flex;flex-direction:column;justify-content:center;gap:8px;padding:10px 14px;box-sizing:border-box;color:#fff;
 background:radial-gradient(circle at 85% 10%,rgba(255,255,255,.25) 0,rgba(255,255,255,0) 45%),linear-gradient(150deg,#298cd3,#0460a3)}
.row{display:flex;gap:12px;align-items:center}
.row img{width:84px;height:84px;border-radius:12px;box-shadow:0 3px 10px rgba(0,0,0,.3);flex:none}
.kicker{font-size:11px;letter-spacing:2px;opacity:.85}
.name{font-size:19px;font-weight:bold;margin:2px 0}
.sum{font-size:12px;opacity:.9;line-height:1.45;display:-webkit-box;-webkit-line-clamp:2;-webkit-box-orient:vertical;overflow:hidden}
.go{align-self:flex-start;background:#f5a623;color:#fff;padding:4px 16px;border-radius:14px;font-size:13px;font-weight:bold;box-shadow:0 2px 4px rgba(0,0,0,.2)}
</style></head><body>
<div class="ad"><div class="row"><img src="%1" alt="">
<div><div class="kicker">新游推荐 · %2</div><div class="name">%3</div><div class="sum">%4</div></div></div>
<a class="go" href="%5" target="_blank">立即试玩 ›</a></div>
</body></html>
)html")
        .arg(SitePaths::Thumbnail(game), esc(game.category), esc(game.name), esc(game.summary),
             SitePaths::Absolute(m_siteBase, SitePaths::GamePage(game)));
}

QString SitePages::adDown() const
{
    QString tiles;
    for (const SiteGame& game : m_catalogue.hotRanking().mid(0, 5))
        tiles += QStringLiteral("<a href=\"%1\" target=\"_blank\"><img src=\"%2\" alt=\"\"><span>%3</span></a>")
                     .arg(SitePaths::Absolute(m_siteBase, SitePaths::GamePage(game)), SitePaths::Thumbnail(game), esc(game.name));
    // A banner for the download panel: one row that shrinks to the space it is given.
    return QStringLiteral(R"html(<!DOCTYPE html>
<html lang="zh-CN"><head><meta charset="utf-8"><title>大家都在玩</title>
<style>
html,body{margin:0;height:100%;overflow:hidden;font-family:"Microsoft YaHei","WenQuanYi Micro Hei",sans-serif}
.ad{height:100%;box-sizing:border-box;display:flex;align-items:center;gap:14px;padding:8px 14px;background:linear-gradient(90deg,#0460a3,#298cd3);color:#fff}
.ad h3{margin:0;font-size:15px;line-height:1.3;flex:none}.ad h3 small{display:block;font-size:11px;font-weight:normal;opacity:.85}
.tiles{display:flex;gap:10px;overflow:hidden;flex:1;min-width:0}
.tiles a{display:flex;flex-direction:column;align-items:center;color:#fff;text-decoration:none;font-size:11px;width:64px;flex:none}
.tiles img{width:52px;height:52px;border-radius:10px;box-shadow:0 2px 6px rgba(0,0,0,.3)}
.tiles span{max-width:64px;white-space:nowrap;overflow:hidden;text-overflow:ellipsis;margin-top:3px}
</style></head><body>
<div class="ad"><h3>下载中…<small>先看看大家都在玩</small></h3><div class="tiles">%1</div></div>
</body></html>
)html")
        .arg(tiles);
}

QString SitePages::notFound() const
{
    const QString body = portalHeader(QString()) + QStringLiteral(R"html(<div class="wrap"><div class="box" style="text-align:center;padding:40px 16px">
<div style="font-size:64px;font-weight:bold;color:#298cd3;line-height:1">404</div>
<h2 style="justify-content:center">%1</h2>
<p>您要访问的页面不存在或已被删除，请检查地址是否正确。</p>
<p><a class="btn" href="/">返回首页</a></p></div>)html")
                                                 .arg(QString::fromUtf8(NotFoundText))
        + footer() + QLatin1String("</div>");
    return document(QString::fromUtf8(NotFoundText), body);
}
