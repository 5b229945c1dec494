#include "site/SiteCatalogue.h"

#include <QStringList>

#include <algorithm>

namespace {

const QStringList GuidePictures = {
    QStringLiteral("mouseleft"), QStringLiteral("mousescroll"), QStringLiteral("mousemove"), QStringLiteral("drag"),
    QStringLiteral("alt"),       QStringLiteral("enter"),       QStringLiteral("shift"),     QStringLiteral("ctrl"),
    QStringLiteral("tab"),       QStringLiteral("end"),         QStringLiteral("space"),     QStringLiteral("left"),
    QStringLiteral("right"),     QStringLiteral("up"),          QStringLiteral("down"),      QStringLiteral("lr"),
    QStringLiteral("ud"),        QStringLiteral("wasd"),        QStringLiteral("arrows"),    QStringLiteral("full"),
};

// "arrows=移动 ZX=跳跃": a guide picture or key caps, "=", what it does.
QList<GameControl> controls(const char* text)
{
    QList<GameControl> out;
    for (const QString& item : QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString input = item.section(QLatin1Char('='), 0, 0);
        const QString action = item.section(QLatin1Char('='), 1);
        if (GuidePictures.contains(input))
            out.append({input, QString(), action});
        else
            out.append({QString(), input, action});
    }
    return out;
}

struct Row {
    int id;
    const char* name;
    const char* category;
    GameKind kind;
    int hue;
    int plays;
    int rating;
    const char* date;
    const char* summary;
    const char* controls;
    bool featured;
    bool streamed;
    MovieFault fault = MovieFault::None;
    bool redirected = false;
    WebPlay play = WebPlay::Mouse;
};

constexpr GameKind F = GameKind::Flash;
constexpr GameKind W = GameKind::Web;

// Names, stories and numbers are the demo site's own inventions. The newest four try the
// launcher: a name with a blank, Chinese and an apostrophe; a movie that is missing; one
// whose transfer breaks off; files reached through redirects.
const Row Rows[] = {
    {137, "Tom's 小熊 探险", "冒险", F, 65, 86400, 8, "2012-03-31",
     "小熊汤姆背上背包去森林探险，躲开蜜蜂，找到藏在树洞里的蜂蜜罐。", "arrows=移动 space=跳跃", false, false},
    {138, "消失的企鹅", "休闲", F, 185, 64200, 7, "2012-03-30",
     "冰山上的小企鹅不见了！（演示：这款游戏的文件在网站上找不到。）", "mouseleft=寻找", false, false,
     MovieFault::Missing},
    {139, "断线风筝", "休闲", F, 320, 51800, 7, "2012-03-30",
     "春风里放风筝，小心别让线断了。（演示：下载到一半连接就会中断。）", "mouseleft=收线", false, false,
     MovieFault::CutOff},
    {140, "传送门兔子", "益智", F, 125, 47300, 8, "2012-03-29",
     "小兔子穿过一扇扇传送门回家，每扇门都通往意想不到的地方。", "arrows=移动 space=穿门", false, false,
     MovieFault::None, true},
    {101, "花园保卫战", "策略", F, 118, 986520, 9, "2012-03-28",
     "向日葵收集阳光，豌豆射手守住篱笆：在五条小路上布置植物，挡住一波又一波的蘑菇怪。", "mouseleft=种植 drag=铲除 space=暂停", true, false},
    {102, "熊猫跑酷", "跑酷", F, 200, 754300, 8, "2012-03-26",
     "胖胖的熊猫在竹林屋顶上狂奔，跳过断桥、滑过铁丝，收集竹笋冲击最远距离。", "up=跳跃 down=滑行 space=冲刺", true, false},
    {103, "泡泡龙星球", "益智", F, 280, 688100, 9, "2012-03-25",
     "瞄准、发射、三个同色泡泡一起消失！一百个星球关卡等你来挑战。", "mousemove=瞄准 mouseleft=发射", false, false},
    {104, "坦克大决战", "射击", F, 20, 642870, 8, "2012-03-22",
     "驾驶小坦克守卫基地，拆砖墙、躲炮弹，双人同屏对战更过瘾。", "wasd=一号坦克 J=一号开炮 arrows=二号坦克 enter=二号开炮", true, false},
    {105, "极速赛车手", "竞速", F, 355, 590400, 7, "2012-03-20",
     "城市夜景中的街头赛车，漂移过弯积攒氮气，超越所有对手。", "arrows=驾驶 space=漂移 shift=氮气加速", false, true},
    {106, "水果连连看", "益智", F, 40, 571230, 8, "2012-03-18",
     "找出两个相同的水果，用不超过两个拐角的线把它们连起来。", "mouseleft=选择水果 H=提示", false, false},
    {107, "黄金矿工传奇", "休闲", F, 48, 533900, 9, "2012-03-16",
     "摇摆的钩子抓起金块和钻石，小心石头太重拉不动，买炸药更省时间。", "down=放下钩子 up=使用炸药", true, false},
    {108, "冰火双侠", "冒险", F, 190, 512040, 9, "2012-03-14",
     "冰侠和火侠各有所长，两人配合按机关、推箱子，一起走出神殿。", "arrows=火侠 wasd=冰侠", true, false},
    {109, "魔塔勇者", "角色", F, 265, 480770, 8, "2012-03-12",
     "五十层魔塔，每一把钥匙、每一瓶药水都要算好再用。", "arrows=行走 S=存档 L=读档", false, false},
    {110, "功夫小子", "格斗", F, 8, 455320, 7, "2012-03-10",
     "少林小子下山闯江湖，拳脚组合打出连招，连击100%暴击。", "wasd=移动 J=出拳 K=踢腿 L=跳跃 U=必杀技100%命中", false, false},
    {111, "猫咪钓鱼", "休闲", F, 170, 432110, 8, "2012-03-08",
     "小猫坐在冰洞旁等鱼上钩，钓到大鱼就能换新鱼竿。", "mouseleft=收线 mousescroll=调整深度", false, false},
    {112, "疯狂弹弹球", "休闲", F, 310, 410090, 7, "2012-03-06",
     "左右挡板守住弹球，击中彩色砖块拿到各种道具。", "lr=移动挡板 space=发球", false, false},
    {113, "星际护卫", "射击", F, 230, 398400, 8, "2012-03-04",
     "驾驶护卫舰穿越陨石带，击落外星飞船，收集能量升级武器。", "mousemove=驾驶 mouseleft=射击 space=护盾", false, false},
    {114, "象棋大师", "棋牌", F, 25, 376550, 9, "2012-03-02",
     "经典中国象棋，从残局练习到人机对弈，四个难度任你选。", "mouseleft=走棋 ctrl=悔棋", false, false},
    {115, "五子棋对弈", "棋牌", F, 90, 355200, 7, "2012-02-28",
     "黑白棋子先连成五子者胜，电脑对手会设下陷阱哦。", "mouseleft=落子", false, false},
    {116, "欢乐斗地主", "棋牌", F, 0, 349800, 8, "2012-02-26",
     "和两位电脑玩家一起抢地主、出炸弹，赢取欢乐豆。", "mouseleft=选牌 enter=出牌 tab=提示", false, false},
    {117, "僵尸快跑", "动作", F, 80, 321950, 7, "2012-02-24",
     "一群慢吞吞的僵尸也想跑马拉松，跳过障碍，别让同伴掉队。", "space=跳跃 mouseleft=召集同伴", false, false},
    {118, "小鸭过河", "益智", F, 52, 305600, 8, "2012-02-22",
     "踩着荷叶和木头，带小鸭子们平安过河回到妈妈身边。", "arrows=跳跃", false, false},
    {119, "城堡防线", "策略", F, 30, 288300, 8, "2012-02-20",
     "在山谷中建造箭塔、魔法塔和投石车，守住国王的城堡。", "mouseleft=建造 drag=拖动视野 end=下一波", false, false},
    {120, "篮球投手", "体育", F, 22, 276400, 7, "2012-02-18",
     "按住鼠标蓄力，松开投篮，六十秒内投进越多越好。", "drag=蓄力投篮", false, false},
    {121, "点球大王", "体育", F, 140, 260120, 7, "2012-02-16",
     "罚球点上一对一，先骗过门将再射门，五轮定胜负。", "mousemove=瞄准 mouseleft=射门", false, false},
    {122, "宝石消消乐", "益智", F, 295, 251800, 9, "2012-02-14",
     "交换相邻宝石，三颗连成一线就消除，连锁消除分数翻倍。", "mouseleft=交换宝石 full=全屏", false, false},
    {123, "忍者飞镖", "动作", F, 250, 239900, 8, "2012-02-12",
     "黑夜中的忍者穿梭在屋檐之间，飞镖百发百中。", "arrows=移动 X=跳跃 C=飞镖", false, false},
    {124, "海底大冒险", "冒险", F, 195, 228450, 8, "2012-02-10",
     "小潜水艇探索海底遗迹，躲开水母，找回沉没的宝藏。", "arrows=潜航 space=鱼雷", false, true},
    {125, "机甲风暴", "射击", F, 215, 215700, 7, "2012-02-08",
     "驾驶巨型机甲横扫钢铁城市，导弹、激光随意切换。", "wasd=移动 mouseleft=射击 Q=切换武器", false, false},
    {126, "甜品工坊", "经营", F, 330, 204300, 8, "2012-02-06",
     "经营一家小甜品店，按照顾客的要求做出蛋糕和冰淇淋。", "mouseleft=制作甜品", false, false},
    {127, "推箱子经典版", "益智", F, 35, 198100, 8, "2012-02-04",
     "小小仓库管理员，把每个箱子都推到指定位置。", "arrows=推动 Z=撤销 R=重来", false, false},
    {128, "雪地摩托", "竞速", F, 205, 187650, 7, "2012-02-02",
     "冰天雪地里驾驶摩托飞跃雪坡，空中翻转拿高分。", "ud=油门刹车 lr=翻转", false, false},
    {129, "Star Pilot 2", "射击", F, 260, 176200, 8, "2012-01-30",
     "Pilot a tiny star fighter through nine glowing sectors and beat the mothership.", "arrows=fly space=fire", false, false},
    {130, "Pixel Jump", "动作", F, 150, 165900, 7, "2012-01-28",
     "一只像素小方块的蹦跳之旅，越跳越高，别掉下去！", "lr=移动 space=跳跃", false, false},
    {131, "云端三国", "策略", W, 10, 802300, 9, "2012-03-27",
     "在云端重现三国乱世：招募名将、经营城池、与好友结盟逐鹿中原。（演示：一分钟内点中尽量多的靶子。）",
     "mouseleft=夺旗", true, false},
    {132, "梦幻农场", "经营", W, 100, 623400, 8, "2012-03-21",
     "种菜、养小动物、装扮自己的农场，还能去好友家串门。（演示：点中冒出来的靶子，连击分数更高。）", "mouseleft=收获",
     false, false},
    {133, "武林群侠录", "角色", W, 350, 455900, 8, "2012-03-15",
     "拜入门派学习绝学，行走江湖结识侠客，书写你的武侠传奇。（演示：轻功穿行，收集星星，躲开飞来的暗器尖刺。）",
     "arrows=移动 wasd=移动 enter=再来一局", false, false, MovieFault::None, false, WebPlay::Keys},
    {134, "海盗王国", "策略", W, 210, 301200, 7, "2012-03-05",
     "组建船队出海寻宝，与其他海盗争夺港口和宝藏岛。（演示：驾船收集星星，避开漂来的尖刺水雷。）",
     "arrows=驾船 wasd=驾船 enter=再来一局", false, false, MovieFault::None, false, WebPlay::Keys},
    {135, "星辰物语", "角色", W, 275, 233800, 8, "2012-02-25",
     "在星辰大陆冒险收集精灵，培养属于你的精灵战队。（演示：收集星星，躲开飞来的尖刺。）",
     "arrows=移动 wasd=移动 enter=再来一局", false, false, MovieFault::None, false, WebPlay::Keys},
    {136, "Bubble Garden", "休闲", W, 160, 154300, 7, "2012-02-15",
     "Pop the floating bubbles before they fly away.", "mouseleft=pop", false, false},
};

} // namespace

SiteCatalogue::SiteCatalogue()
{
    for (const Row& row : Rows) {
        SiteGame game;
        game.id = row.id;
        game.name = QString::fromUtf8(row.name);
        game.category = QString::fromUtf8(row.category);
        game.kind = row.kind;
        game.colour = QColor::fromHsv(row.hue, 190, 225);
        game.plays = row.plays;
        game.rating = row.rating;
        game.date = QString::fromLatin1(row.date);
        game.summary = QString::fromUtf8(row.summary);
        game.controls = controls(row.controls);
        game.featured = row.featured;
        game.streamed = row.streamed;
        game.absoluteAddresses = row.id % 2 == 1;
        game.movieFault = row.fault;
        game.redirected = row.redirected;
        game.webPlay = row.play;
        m_games.append(game);
    }
    std::stable_sort(m_games.begin(), m_games.end(),
                     [](const SiteGame& a, const SiteGame& b) { return a.date > b.date; });
}

SiteCatalogue::SiteCatalogue(QList<SiteGame> games)
    : m_games(std::move(games))
{
}

const SiteGame* SiteCatalogue::find(int id) const
{
    for (const SiteGame& game : m_games) {
        if (game.id == id)
            return &game;
    }
    return nullptr;
}

QList<SiteGame> SiteCatalogue::flashGames() const
{
    QList<SiteGame> out;
    std::copy_if(m_games.begin(), m_games.end(), std::back_inserter(out),
                 [](const SiteGame& game) { return !game.isWeb(); });
    return out;
}

QList<SiteGame> SiteCatalogue::webGames() const
{
    QList<SiteGame> out;
    std::copy_if(m_games.begin(), m_games.end(), std::back_inserter(out),
                 [](const SiteGame& game) { return game.isWeb(); });
    return out;
}

QList<SiteGame> SiteCatalogue::featured() const
{
    QList<SiteGame> out;
    std::copy_if(m_games.begin(), m_games.end(), std::back_inserter(out),
                 [](const SiteGame& game) { return game.featured; });
    return out;
}

QList<SiteGame> SiteCatalogue::hotRanking() const
{
    QList<SiteGame> out = m_games;
    std::stable_sort(out.begin(), out.end(), [](const SiteGame& a, const SiteGame& b) { return a.plays > b.plays; });
    return out;
}

QList<SiteGame> SiteCatalogue::search(const QString& words) const
{
    const QStringList wanted = words.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<SiteGame> out;
    if (wanted.isEmpty())
        return out;
    for (const SiteGame& game : m_games) {
        const bool all = std::all_of(wanted.begin(), wanted.end(), [&game](const QString& word) {
            return game.name.contains(word, Qt::CaseInsensitive) || game.category.contains(word, Qt::CaseInsensitive);
        });
        if (all)
            out.append(game);
    }
    return out;
}
