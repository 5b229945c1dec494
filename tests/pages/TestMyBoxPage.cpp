// The My box page against real catalogue files: another program holding the file,
// damaged files, and a thumbnail folder that appears while the page is open.
#include "controls/MdlMenu.h"
#include "controls/clsTopMenu.h"
#include "controls/iButton.h"
#include "pages/MainMe.h"
#include "shell/GlobalSettings.h"
#include "store/Catalogue.h"
#include "store/DatabaseCycle.h"
#include "store/Statements.h"
#include "tests/support/CatalogueLock.h"
#include "tests/support/FileContent.h"
#include "tests/support/AppFolder.h"
#include "tests/support/FilledImage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>

namespace {

const QString MoreGames = QStringLiteral("更多游戏");

// Games "Game 0" .. "Game <count - 1>", the last one newest, in one transaction.
bool addGames(int count)
{
    QString sql = QStringLiteral("BEGIN;");
    for (int i = 0; i < count; ++i) {
        sql += Statements::InsertSavedFlashGame(QStringLiteral("Game %1").arg(i), QString(300, QLatin1Char('i')),
                                                QString()) + QLatin1Char(';');
    }
    DatabaseCycle cycle;
    return cycle.exec(sql + QStringLiteral("COMMIT;")) == 0;
}

// Brings the catalogue file into the state a row names, as another program would.
bool impose(const QString& condition, const QString& file, CatalogueLock& lock, ImmutableFile& readOnly)
{
    if (condition == QLatin1String("read-only file"))
        return readOnly.hold(file);
    if (condition == QLatin1String("locked"))
        return lock.hold(file, CatalogueLock::Kind::Exclusive);
    if (condition == QLatin1String("another program writing"))
        return lock.hold(file, CatalogueLock::Kind::Writing);
    if (condition == QLatin1String("not a database"))
        return OverwriteFile(file, QByteArray(8192, 'x'));
    if (condition == QLatin1String("damaged pages")) {
        const QByteArray content = FileContent(file);
        return OverwriteFile(file, content.left(4096).leftJustified(content.size(), 'x'));
    }
    if (condition == QLatin1String("game gone")) {
        QProcess tool;
        tool.start(QStringLiteral("sqlite3"), {file, QStringLiteral("DELETE FROM Games WHERE G_Name = 'Game 1'")});
        return tool.waitForFinished(5000) && tool.exitCode() == 0;
    }
    return condition == QLatin1String("sound");
}

} // namespace

class TestMyBoxPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void gameMenuWritesThatFailAreToldAndLeaveTheGrid_data();
    void gameMenuWritesThatFailAreToldAndLeaveTheGrid();
    void unreadableCatalogueAtStartIsToldOnce_data();
    void unreadableCatalogueAtStartIsToldOnce();
    void thumbnailFolderMadeAfterStartIsFound();

private:
    void openPage();
    void chooseFromGameMenu(int tile, const QString& caption);
    QString catalogueFile() const { return m_app->filePath(DatabaseFileName()); }

    std::unique_ptr<TemporaryAppFolder> m_app;
    std::unique_ptr<MainMe> m_box;
    std::unique_ptr<QSignalSpy> m_refusals;
    QWebEngineProfile* m_profile = nullptr;
};

void TestMyBoxPage::init()
{
    m_app = std::make_unique<TemporaryAppFolder>();
    QVERIFY(m_app->isValid());
    if (!m_profile)
        m_profile = new QWebEngineProfile(this);
}

void TestMyBoxPage::cleanup()
{
    if (QWidget* popup = MdlMenu::CurrentPopup())
        popup->close();
    m_refusals.reset();
    m_box.reset();
    m_app.reset();
}

void TestMyBoxPage::openPage()
{
    m_box = std::make_unique<MainMe>(m_profile);
    m_refusals = std::make_unique<QSignalSpy>(m_box.get(), &MainMe::refused);
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
}

// A right click on the tile, then a click on the menu item, as the user does it.
void TestMyBoxPage::chooseFromGameMenu(int tile, const QString& caption)
{
    QTest::mouseClick(m_box.get(), Qt::RightButton, Qt::NoModifier, MyBoxGrid::TilePictureRect(tile).center());
    QTRY_VERIFY(MdlMenu::CurrentPopup());
    QWidget* popup = MdlMenu::CurrentPopup();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    int top = 0;
    const int id = MdlMenu::MenuIdOf(caption);
    for (const clsTopMenu* item : MdlMenu::MenuItems()) {
        if (item->MenuID() == id)
            break;
        top += item->Height();
    }
    const QPoint at(popup->width() / 2, top + MdlMenu::ItemHeight / 2);
    QTest::mouseMove(popup, at);
    QTest::mouseClick(popup, Qt::LeftButton, Qt::NoModifier, at);
}

void TestMyBoxPage::gameMenuWritesThatFailAreToldAndLeaveTheGrid_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("condition");
    // Empty when the command goes through.
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("gridAfterSuccess");
    const QString busy = QStringLiteral("游戏目录正被其他程序占用，请稍后再试。");
    const QString gone = QStringLiteral("游戏目录里没有「Game 1」。");
    const QStringList favourites = {"Game 1", MoreGames};
    QTest::newRow("favourite") << "收藏游戏" << "sound" << QString() << favourites;
    QTest::newRow("favourite, locked") << "收藏游戏" << "locked" << "收藏失败：" + busy << QStringList();
    QTest::newRow("favourite, another program writing")
        << "收藏游戏" << "another program writing" << "收藏失败：" + busy << QStringList();
    QTest::newRow("favourite, game gone") << "收藏游戏" << "game gone" << "收藏失败：" + gone << QStringList();
    QTest::newRow("favourite, read-only file")
        << "收藏游戏" << "read-only file" << QStringLiteral("收藏失败：游戏目录无法写入。") << QStringList();
    QTest::newRow("favourite, not a database")
        << "收藏游戏" << "not a database" << QStringLiteral("收藏失败：游戏目录文件已损坏。") << QStringList();
    QTest::newRow("unfavourite") << "取消收藏" << "sound" << QString() << QStringList(MoreGames);
    QTest::newRow("unfavourite, locked") << "取消收藏" << "locked" << "取消收藏失败：" + busy << QStringList();
    QTest::newRow("delete") << "删除游戏" << "sound" << QString() << QStringList({"Game 2", "Game 0", MoreGames});
    QTest::newRow("delete, locked") << "删除游戏" << "locked" << "删除失败：" + busy << QStringList();
    QTest::newRow("delete, another program writing")
        << "删除游戏" << "another program writing" << "删除失败：" + busy << QStringList();
    QTest::newRow("delete, game gone") << "删除游戏" << "game gone" << "删除失败：" + gone << QStringList();
}

void TestMyBoxPage::gameMenuWritesThatFailAreToldAndLeaveTheGrid()
{
    QFETCH(QString, command);
    QFETCH(QString, condition);
    QFETCH(QString, message);
    QFETCH(QStringList, gridAfterSuccess);
    QVERIFY(addGames(3));
    if (command == QLatin1String("取消收藏"))
        QVERIFY(Catalogue::MarkFavourite("Game 1"));
    openPage();
    const QStringList grid = {"Game 2", "Game 1", "Game 0", MoreGames};
    QCOMPARE(m_box->grid().entries(), grid);

    CatalogueLock lock;
    ImmutableFile readOnly;
    const bool imposed = impose(condition, catalogueFile(), lock, readOnly);
    if (!imposed && condition == QLatin1String("read-only file"))
        QSKIP("this file system cannot make a file immutable");
    QVERIFY(imposed);
    const QByteArray before = FileContent(catalogueFile());
    QElapsedTimer clock;
    clock.start();
    chooseFromGameMenu(1, command);
    if (message.isEmpty()) {
        QTRY_COMPARE(m_box->grid().entries(), gridAfterSuccess);
        QCOMPARE(m_refusals->count(), 0);
        return;
    }
    QTRY_COMPARE(m_refusals->count(), 1);
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(m_refusals->first().first().toString(), message);
    QCOMPARE(m_box->grid().entries(), grid);
    QCOMPARE(m_box->selectedGame(), QStringLiteral("Game 1"));
    // It used to hold the window for seconds on a locked file.
    QVERIFY2(elapsed < 1000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    lock.release();
    readOnly.release();
    QCOMPARE(FileContent(catalogueFile()), before);
}

void TestMyBoxPage::unreadableCatalogueAtStartIsToldOnce_data()
{
    QTest::addColumn<QString>("condition");
    QTest::addColumn<QString>("message");
    const QString damaged = QStringLiteral("无法读取游戏目录：游戏目录文件已损坏。");
    QTest::newRow("not a database") << "not a database" << damaged;
    QTest::newRow("damaged pages") << "damaged pages" << damaged;
    QTest::newRow("locked") << "locked" << QStringLiteral("无法读取游戏目录：游戏目录正被其他程序占用，请稍后再试。");
}

void TestMyBoxPage::unreadableCatalogueAtStartIsToldOnce()
{
    QFETCH(QString, condition);
    QFETCH(QString, message);
    QVERIFY(addGames(25));
    CatalogueLock lock;
    ImmutableFile readOnly;
    QVERIFY(impose(condition, catalogueFile(), lock, readOnly));
    const QByteArray before = FileContent(catalogueFile());

    openPage();
    QTRY_COMPARE(m_refusals->count(), 1);
    QCOMPARE(m_refusals->first().first().toString(), message);
    QCOMPARE(m_box->grid().entries(), QStringList(MoreGames));
    // Trying the other lists says nothing new.
    QTest::mouseClick(m_box->favouritesButton(), Qt::LeftButton);
    QTest::mouseClick(m_box->allGamesButton(), Qt::LeftButton);
    QTest::qWait(100);
    QCOMPARE(m_refusals->count(), 1);
    QCOMPARE(m_box->grid().entries(), QStringList(MoreGames));

    lock.release();
    QCOMPARE(FileContent(catalogueFile()), before);
    if (condition == QLatin1String("locked")) {
        // Once the other program lets go, the games are there.
        QTest::mouseClick(m_box->favouritesButton(), Qt::LeftButton);
        QTest::mouseClick(m_box->allGamesButton(), Qt::LeftButton);
        QTRY_COMPARE(m_box->grid().entryCount(), 25);
        QCOMPARE(m_refusals->count(), 1);
    }
}

void TestMyBoxPage::thumbnailFolderMadeAfterStartIsFound()
{
    QVERIFY(Catalogue::AddSavedFlashGame("Fire Boy 2", "", ""));
    openPage();
    QVERIFY(QDir(m_app->path()).mkdir(QStringLiteral("JPGS")));
    QVERIFY(FilledImage({120, 90}, QColor(220, 30, 30)).save(m_app->filePath("JPGS/FireBoy2.jpg"), "JPG", 100));
    QTest::mouseClick(m_box->allGamesButton(), Qt::LeftButton);
    const QPoint middle = MyBoxGrid::TilePictureRect(0).center();
    QTRY_VERIFY2(m_box->grab().toImage().pixelColor(middle).red() > 180
                     && m_box->grab().toImage().pixelColor(middle).green() < 80,
                 qPrintable(m_box->grab().toImage().pixelColor(middle).name()));
}

QTEST_MAIN(TestMyBoxPage)
#include "TestMyBoxPage.moc"
