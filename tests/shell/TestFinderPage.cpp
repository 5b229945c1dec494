// The game finder tab against the bundled demo site: its bar, its search box and the
// page commands of the site's lists, clicked as a person clicks them.
#include "controls/iButton.h"
#include "ipc/LocalTopic.h"
#include "pages/MainGame.h"
#include "pages/MainGameUrl.h"
#include "pages/MainMe.h"
#include "pages/FlashGame.h"
#include "pages/ShockwaveFlash.h"
#include "pages/GameFiles.h"
#include "shell/GlobalSettings.h"
#include "shell/MainFrm.h"
#include "shell/SitePathNames.h"
#include "shell/TavolinApp.h"
#include "store/Catalogue.h"
#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/uTab.h"
#include "tests/support/AppFolder.h"
#include "tests/support/RealPrograms.h"
#include "tests/support/WebClicks.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>
#include <QWebEngineView>

class TestFinderPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void categoryButtonsActLikeRadioButtons();
    void searchTakesTheWordsAsTyped();
    void gameLinkOpensOneDownloadTab_data();
    void gameLinkOpensOneDownloadTab();
    void flashGameRoadEndsInPlayAndBack();
    void webGameIsCataloguedWithTheListPage();
    void unknownCommandIsRefused();

private:
    // A click on the page's blank heading takes the focus from the search box.
    void clickAway() { QTest::mouseClick(m_finder->view()->focusProxy(), Qt::LeftButton, {}, QPoint(4, 4)); }
    // Waits for the finder's view to finish loading an address whose path ends in `path`.
    bool showsPage(const QString& path, int timeoutMs = 15000) const;

    DemoSite m_site;
    std::unique_ptr<TemporaryAppFolder> m_app;
    std::unique_ptr<TavolinApp> m_tavolin;
    MainFrm* m_frame = nullptr;
    MainGame* m_finder = nullptr;
};

void TestFinderPage::initTestCase()
{
    QVERIFY2(m_site.start(), qPrintable(m_site.error()));
}

void TestFinderPage::init()
{
    m_app = std::make_unique<TemporaryAppFolder>(TemporaryAppFolder::Skin::Built, m_site.base());
    QVERIFY(m_app->isValid());
    SetTopicInstallation(m_app->path());
    m_tavolin = std::make_unique<TavolinApp>();
    m_frame = m_tavolin->frame();
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame));
    // The search box takes the keyboard only in the active window.
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
    m_frame->strip()->SetSelected(1);
    m_finder = m_frame->finder();
    QVERIFY2(showsPage(QLatin1String(SitePathNames::FlashList)),
             qPrintable(m_finder->view()->url().toString() + QLatin1Char(' ') + m_finder->LastPageUrl()
                        + (m_finder->view()->page()->isLoading() ? " loading" : " idle")));
}

void TestFinderPage::cleanup()
{
    m_tavolin.reset();
    m_frame = nullptr;
    m_finder = nullptr;
    m_app.reset();
}

bool TestFinderPage::showsPage(const QString& path, int timeoutMs) const
{
    return QTest::qWaitFor(
        [&] {
            return !m_finder->view()->page()->isLoading() && m_finder->view()->url().path().endsWith(path)
                && m_finder->LastPageUrl() == m_finder->view()->url().toString();
        },
        timeoutMs);
}

void TestFinderPage::categoryButtonsActLikeRadioButtons()
{
    const auto locked = [this] {
        QList<bool> states;
        for (int i = 0; i < 4; ++i)
            states.append(m_finder->categoryButton(i)->Locked());
        return states;
    };
    QCOMPARE(locked(), QList<bool>({false, true, false, false}));
    const struct {
        int button;
        const char* path;
    } clicks[] = {{3, SitePathNames::HotRank}, {2, SitePathNames::GameWebList}, {0, SitePathNames::Feature}};
    for (const auto& click : clicks) {
        QTest::mouseClick(m_finder->categoryButton(click.button), Qt::LeftButton);
        QVERIFY2(showsPage(QLatin1String(click.path)), click.path);
        QList<bool> expected(4, false);
        expected[click.button] = true;
        QCOMPARE(locked(), expected);
    }
}

void TestFinderPage::searchTakesTheWordsAsTyped()
{
    QLineEdit* box = m_finder->searchBox();
    QCOMPARE(box->text(), MainGame::SearchPrompt());
    const QColor grey = box->palette().color(QPalette::Text);

    // The prompt and an empty box search nothing and show the prompt again.
    QSignalSpy loads(m_finder->view(), &QWebEngineView::loadStarted);
    QTest::mouseClick(m_finder->searchButton(), Qt::LeftButton);
    QTest::mouseClick(box, Qt::LeftButton);
    QTRY_COMPARE(box->text(), QString());
    QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::black));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), MainGame::SearchPrompt());
    QCOMPARE(box->palette().color(QPalette::Text), grey);
    QTest::qWait(300);
    QCOMPARE(loads.count(), 0);

    // Words typed and Enter: the site's search page for exactly those words.
    clickAway();
    QTest::mouseClick(box, Qt::LeftButton);
    QTRY_COMPARE(box->text(), QString());
    // Chinese arrives from the input method as committed text.
    QInputMethodEvent typed;
    typed.setCommitString(QStringLiteral("熊猫 跑酷"));
    QApplication::sendEvent(box, &typed);
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(showsPage(QLatin1String(SitePathNames::Search)));
    QCOMPARE(QUrlQuery(m_finder->view()->url()).queryItemValue(QLatin1String(SitePathNames::SearchKeyword),
                                                                 QUrl::FullyDecoded),
             QStringLiteral("熊猫 跑酷"));
    QVERIFY(ElementCentre(m_finder->view(), QStringLiteral("a[href*=\"'openTable','熊猫跑酷|\"]")).has_value());
    // A click in the box again leaves typed words alone.
    clickAway();
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("熊猫 跑酷"));
}

void TestFinderPage::gameLinkOpensOneDownloadTab_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("listPath");
    QTest::addColumn<QString>("name");
    QTest::newRow("flash list") << 1 << QString::fromLatin1(SitePathNames::FlashList) << QStringLiteral("熊猫跑酷");
    // The featured list sits in the page's first frame.
    QTest::newRow("link in a frame") << 0 << QString::fromLatin1(SitePathNames::Feature) << QStringLiteral("花园保卫战");
}

void TestFinderPage::gameLinkOpensOneDownloadTab()
{
    QFETCH(int, category);
    QFETCH(QString, listPath);
    QFETCH(QString, name);
    if (category != 1) {
        QTest::mouseClick(m_finder->categoryButton(category), Qt::LeftButton);
        QVERIFY(showsPage(listPath));
    }
    CTabItems* tabs = m_frame->strip()->TabItems();
    const QString link = QStringLiteral("a[href*=\"'openTable','%1|\"]").arg(name);
    QVERIFY(ClickElement(m_finder->view(), link));
    QTRY_COMPARE(tabs->Count(), 3);
    QCOMPARE(m_frame->strip()->Selected(), 2);
    auto* page = dynamic_cast<MainGameUrl*>(tabs->Item(2)->Form());
    QVERIFY(page);
    QVERIFY(page->URL().startsWith(m_site.base()));
    QVERIFY(page->URL().endsWith(QStringLiteral(".html")));

    // Back on the finder, the same link selects that tab and opens nothing new.
    m_frame->strip()->SetSelected(1);
    QVERIFY(ClickElement(m_finder->view(), link));
    QTRY_COMPARE(m_frame->strip()->Selected(), 2);
    QTest::qWait(300);
    QCOMPARE(tabs->Count(), 3);
}

void TestFinderPage::flashGameRoadEndsInPlayAndBack()
{
    const QString name = QStringLiteral("熊猫跑酷");
    CTabItems* tabs = m_frame->strip()->TabItems();
    QVERIFY(ClickElement(m_finder->view(), QStringLiteral("a[href*=\"'openTable','%1|\"]").arg(name)));
    QTRY_COMPARE(tabs->Count(), 3);
    QPointer<MainGameUrl> page = dynamic_cast<MainGameUrl*>(tabs->Item(2)->Form());
    QVERIFY(page);
    QVERIFY(ClickElement(page->view(), QStringLiteral("a[href^=\"javascript:CALL_API('FlashTable'\"]")));
    QTRY_VERIFY_WITH_TIMEOUT(!page, 20000);
    auto* player = dynamic_cast<FlashGame*>(tabs->Item(2)->Form());
    QVERIFY(player);
    QSignalSpy loaded(player->player(), &ShockwaveFlash::movieLoaded);
    QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), 20000);
    QCOMPARE(m_frame->myBox()->grid().entries().first(), name);

    // The tab's close button, as a person reaches it: the pointer over the tab first.
    uTab* strip = m_frame->strip();
    const auto tab = tabs->Item(2);
    const QPoint close(strip->TabLeftSize() + tab->Left() + tab->Width() - 18, 12);
    QTest::mouseMove(strip, close);
    QTRY_COMPARE(strip->CloseButtonState(), 1);
    QTest::mouseClick(strip, Qt::LeftButton, {}, close);
    QTRY_COMPARE(tabs->Count(), 2);
    QCOMPARE(strip->Selected(), 1);
    // The game stays in My box, to play offline.
    QCOMPARE(Catalogue::FindGame(name).size(), 1);
}

void TestFinderPage::webGameIsCataloguedWithTheListPage()
{
    QTest::mouseClick(m_finder->categoryButton(2), Qt::LeftButton);
    QVERIFY(showsPage(QLatin1String(SitePathNames::GameWebList)));
    const QString listPage = m_finder->view()->url().toString();
    QSignalSpy handedOver(m_frame->myBox(), &MainMe::webGameRequested);
    QVERIFY(ClickElement(m_finder->view(), QStringLiteral("a.btn[href*=\"'WebTable'\"]")));

    QTRY_COMPARE_WITH_TIMEOUT(handedOver.count(), 1, 15000);
    const QString address = handedOver[0][0].toString();
    const QStringList names = Catalogue::GameNames(Catalogue::GameList::OnLoad);
    QCOMPARE(names.size(), 1);
    const QList<Catalogue::GameRecord> rows = Catalogue::FindGame(names[0]);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].type, 2);
    QCOMPARE(rows[0].playAddress, address);
    QCOMPARE(rows[0].pageAddress, listPage);
    QVERIFY(QFile::exists(ThumbnailFile(Settings().UserPath, names[0])));

    // Catalogued now: the same link runs it without fetching anything.
    QVERIFY(ClickElement(m_finder->view(), QStringLiteral("a.btn[href*=\"'WebTable','%1|\"]").arg(names[0])));
    QTRY_COMPARE(handedOver.count(), 2);
    QCOMPARE(Catalogue::FindGame(names[0]).size(), 1);
}

void TestFinderPage::unknownCommandIsRefused()
{
    // A link the site wrote with a word this page does not know, and one without fields.
    m_finder->view()->page()->runJavaScript(QStringLiteral(
        "for (const [id, href] of [['odd', \"javascript:CALL_API('flashTable','a|b|c|d')\"],"
        "                         ['short', \"javascript:CALL_API('openTable')\"]]) {"
        "  const a = document.createElement('a'); a.id = id; a.href = href; a.target = '_blank';"
        "  a.textContent = id; a.style = 'position:fixed;top:60px;left:' + (id == 'odd' ? 60 : 160) + 'px';"
        "  document.body.append(a); }"));
    for (const QString& id : {QStringLiteral("odd"), QStringLiteral("short")}) {
        QVERIFY(ClickElement(m_finder->view(), QLatin1Char('#') + id));
        QMessageBox* box = nullptr;
        QTRY_VERIFY((box = m_frame->findChild<QMessageBox*>()) != nullptr);
        if (id == QLatin1String("odd"))
            QCOMPARE(box->text(), QStringLiteral("函数错误，请联系系统管理员"));
        else
            QVERIFY(box->text().contains(QStringLiteral("openTable")));
        box->accept();
        QTRY_VERIFY(!m_frame->findChild<QMessageBox*>());
    }
    QCOMPARE(m_frame->strip()->TabItems()->Count(), 2);
}

QTEST_MAIN(TestFinderPage)
#include "TestFinderPage.moc"
