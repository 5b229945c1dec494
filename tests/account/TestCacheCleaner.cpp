#include "account/CacheCleaner.h"
#include "account/CacheMain.h"
#include "tests/account/FakeUrlCache.h"

#include <QTest>

using Item = FakeUrlCache::Item;
using GroupIds = QList<UrlCache::GroupId>;

namespace {

constexpr quint32 CallersMask = CookieCacheEntry | UrlHistoryCacheEntry;

Item page(const QString& name, UrlCache::GroupId group = 0)
{
    return {QStringLiteral("http://127.0.0.1/") + name, NormalCacheEntry, group};
}

Item cookie(const QString& name, UrlCache::GroupId group = 0)
{
    return {QStringLiteral("cookie:%1@127.0.0.1/").arg(name), CookieCacheEntry | NormalCacheEntry, group};
}

Item visited(const QString& name)
{
    return {QStringLiteral("visited:demo@http://127.0.0.1/") + name, UrlHistoryCacheEntry | NormalCacheEntry};
}

QStringList urls(const QList<Item>& items)
{
    QStringList all;
    for (const Item& item : items)
        all << item.url;
    return all;
}

} // namespace

class TestCacheCleaner : public QObject {
    Q_OBJECT
private slots:
    void cleans_data();
    void cleans();
};

void TestCacheCleaner::cleans_data()
{
    QTest::addColumn<QList<Item>>("items");
    QTest::addColumn<GroupIds>("groups");
    QTest::addColumn<int>("firstGroupError");
    QTest::addColumn<qint64>("failingGroup");
    QTest::addColumn<int>("failingGroupError");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<quint32>("mask");
    QTest::addColumn<QList<Item>>("kept");

    const QString all = QStringLiteral("*.*");
    Item stuck = page(QStringLiteral("locked.png"));
    stuck.stuck = true;
    const Item huge = page(QString(CacheEntryBufferBytes, u'x'));

    QTest::newRow("no groups, callers' mask keeps cookies and history")
        << QList<Item>{page("a.png"), cookie("login"), visited("a.html"), page("b.css")} << GroupIds{} << 0 << qint64(0) << 0
        << all << CallersMask << QList<Item>{cookie("login"), visited("a.html")};
    QTest::newRow("mask 0 takes all but an entry that will not delete")
        << QList<Item>{page("a.png"), cookie("login"), stuck, visited("a.html"), page("b.css")} << GroupIds{} << 0 << qint64(0)
        << 0 << all << quint32(0) << QList<Item>{stuck};
    QTest::newRow("empty cache") << QList<Item>{} << GroupIds{} << 0 << qint64(0) << 0 << all << CallersMask << QList<Item>{};
    QTest::newRow("a group is flushed with its cookie")
        << QList<Item>{page("a.png", 7), cookie("login", 7), cookie("other"), page("b.css")} << GroupIds{7} << 0 << qint64(0) << 0
        << all << CallersMask << QList<Item>{cookie("other")};
    QTest::newRow("no group functions: entries are still cleaned")
        << QList<Item>{page("a.png", 7), cookie("login", 7), cookie("other"), page("b.css")} << GroupIds{7}
        << int(UrlCache::GroupFunctionsMissing) << qint64(0) << 0 << all << CallersMask
        << QList<Item>{cookie("login", 7), cookie("other")};
    QTest::newRow("groups that cannot be listed stop everything")
        << QList<Item>{page("a.png", 7), page("b.css")} << GroupIds{7} << 5 << qint64(0) << 0 << all << quint32(0)
        << QList<Item>{page("a.png", 7), page("b.css")};
    QTest::newRow("a failing group delete stops everything")
        << QList<Item>{page("a.png", 7), page("c.png", 8), page("b.css")} << GroupIds{7, 8} << 0 << qint64(8) << 5 << all
        << quint32(0) << QList<Item>{page("c.png", 8), page("b.css")};
    QTest::newRow("a group delete without group functions goes on")
        << QList<Item>{cookie("login", 7), page("c.png", 8), page("b.css")} << GroupIds{7, 8} << 0 << qint64(7)
        << int(UrlCache::GroupFunctionsMissing) << all << CallersMask << QList<Item>{cookie("login", 7)};
    QTest::newRow("an entry over the buffer ends the cleaning there")
        << QList<Item>{page("a.png"), huge, page("b.css")} << GroupIds{} << 0 << qint64(0) << 0 << all << quint32(0)
        << QList<Item>{huge, page("b.css")};
    QTest::newRow("a pattern selects by URL")
        << QList<Item>{page("a.png"), {QStringLiteral("http://127.0.0.2/a.png"), NormalCacheEntry}, cookie("login")} << GroupIds{}
        << 0 << qint64(0) << 0 << QStringLiteral("http://127.0.0.1/*") << quint32(0)
        << QList<Item>{{QStringLiteral("http://127.0.0.2/a.png"), NormalCacheEntry}, cookie("login")};
}

void TestCacheCleaner::cleans()
{
    QFETCH(QList<Item>, items);
    QFETCH(GroupIds, groups);
    QFETCH(int, firstGroupError);
    QFETCH(qint64, failingGroup);
    QFETCH(int, failingGroupError);
    QFETCH(QString, pattern);
    QFETCH(quint32, mask);
    QFETCH(QList<Item>, kept);

    FakeUrlCache cache;
    cache.items = items;
    cache.groups = groups;
    cache.firstGroupError = firstGroupError;
    cache.failingGroup = failingGroup;
    cache.failingGroupError = failingGroupError;

    CleanUrlCache(cache, pattern, mask);

    QCOMPARE(cache.urls(), urls(kept));
    QCOMPARE(cache.openFinds(), 0);
    QCOMPARE(cache.misuses(), 0);
}

QTEST_GUILESS_MAIN(TestCacheCleaner)
#include "TestCacheCleaner.moc"
