#include "site/SiteCatalogue.h"
#include "site/SitePages.h"
#include "tests/support/RealPrograms.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

// The space page as the launcher shows it: in a 187 x 512 pane that never scrolls.
class TestSpacePane : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fitsThePane_data();
    void fitsThePane();

private:
    // Serves the pictures the page shows.
    DemoSite m_site;
};

namespace {

const QSize Pane(187, 512);

// The furthest right and bottom edges of anything drawn, and the tallest button.
const char* const Extent = R"js(
(() => {
  let right = 0, bottom = 0, button = 0;
  for (const element of document.body.querySelectorAll('*')) {
    const box = element.getBoundingClientRect();
    if (box.width === 0 || box.height === 0) continue;
    right = Math.max(right, box.right);
    bottom = Math.max(bottom, box.bottom);
    if (element.classList.contains('btn')) button = Math.max(button, box.height);
  }
  return [Math.ceil(right), Math.ceil(bottom), Math.ceil(button), document.querySelectorAll('.hot img').length,
          [...document.querySelectorAll('.hot img')].filter(i => i.naturalWidth > 0).length];
})()
)js";

} // namespace

void TestSpacePane::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
}

void TestSpacePane::fitsThePane_data()
{
    QTest::addColumn<QString>("user");
    QTest::newRow("visitor") << QString();
    QTest::newRow("member") << QStringLiteral("demo");
    QTest::newRow("long name") << QStringLiteral("一位名字特别特别长的老玩家PlayerWithAVeryLongName");
}

void TestSpacePane::fitsThePane()
{
    QFETCH(QString, user);
    const SiteCatalogue catalogue;
    const QString base = m_site.base();

    QWebEngineView view;
    view.resize(Pane);
    view.show();
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    view.setHtml(SitePages(catalogue, base).space(user), QUrl(base + QStringLiteral("my/space1.php")));
    QVERIFY(loaded.wait(20000));
    QVERIFY(loaded.first().first().toBool());

    QVariantList extent;
    view.page()->runJavaScript(QString::fromLatin1(Extent), [&extent](const QVariant& value) { extent = value.toList(); });
    QTRY_COMPARE_WITH_TIMEOUT(extent.size(), qsizetype(5), 10000);
    QVERIFY2(extent[0].toInt() <= Pane.width(), qPrintable(QStringLiteral("right edge %1").arg(extent[0].toInt())));
    QVERIFY2(extent[1].toInt() <= Pane.height(), qPrintable(QStringLiteral("bottom edge %1").arg(extent[1].toInt())));
    // One line of text per button: a caption broken into a column would be far taller.
    QVERIFY2(extent[2].toInt() > 0 && extent[2].toInt() < 40, qPrintable(QStringLiteral("button %1").arg(extent[2].toInt())));
    QCOMPARE(extent[3].toInt(), 4);
    QCOMPARE(extent[4].toInt(), 4);
}

QTEST_MAIN(TestSpacePane)
#include "TestSpacePane.moc"
