// The guide panel's browser against the built skin: it shows the keys from the sprite,
// runs none of the site's scripts, reads no other local file, scrolls by the player's
// buttons and keeps its text still.
#include "pages/KeyGuidePage.h"
#include "pages/KeyGuideView.h"
#include "shell/GlobalSettings.h"
#include "tests/support/AppFolder.h"
#include "tests/support/FilledImage.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineScript>

#include <optional>

class TestKeyGuideView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void showsTheKeysFromTheSprite();
    void runsNoScriptOfThePage_data();
    void runsNoScriptOfThePage();
    void readsNoOtherLocalFile_data();
    void readsNoOtherLocalFile();
    void scrollsByTheButtonsStep();
    void textCannotBeSelected();
    void cleanupTestCase();

private:
    void show(const QString& introduction);
    QVariant evaluate(const QString& script);
    QPoint centreOf(const QString& selector);

    std::optional<TemporaryAppFolder> m_app;
    KeyGuideView* m_view = nullptr;
};

void TestKeyGuideView::initTestCase()
{
    m_app.emplace(TemporaryAppFolder::Skin::Built);
    QVERIFY(m_app->isValid());
    m_view = new KeyGuideView;
    m_view->resize(500, 62);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestKeyGuideView::cleanupTestCase()
{
    delete m_view;
}

void TestKeyGuideView::show(const QString& introduction)
{
    QSignalSpy loaded(m_view, &QWebEngineView::loadFinished);
    m_view->write(introduction);
    QVERIFY(loaded.wait(15000));
    QVERIFY(loaded.first().first().toBool());
}

// Asked in the program's own world: the page's scripts are off, the program's are not.
QVariant TestKeyGuideView::evaluate(const QString& script)
{
    auto answer = std::make_shared<std::optional<QVariant>>();
    m_view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                  [answer](const QVariant& value) { *answer = value; });
    if (!QTest::qWaitFor([&] { return answer->has_value(); }, 10000))
        return QStringLiteral("no answer");
    return **answer;
}

QPoint TestKeyGuideView::centreOf(const QString& selector)
{
    const QVariantList xy = evaluate(QStringLiteral("(function(){var r=document.querySelector('%1').getBoundingClientRect();"
                                                    "return [r.left+r.width/2, r.top+r.height/2];})()")
                                         .arg(selector))
                                .toList();
    return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint();
}

void TestKeyGuideView::showsTheKeysFromTheSprite()
{
    show(QStringLiteral(R"(<ul%20class="game_keyboard"><li><span class="ico_key">W</span>)"
                        R"(<span class="ico_c_space">space</span>%E8%B7%B3</li></ul>)"));
    QCOMPARE(evaluate(QStringLiteral("document.querySelector('li').textContent")).toString(),
             QString::fromUtf8("Wspace跳"));
    const QPoint cap = centreOf(QStringLiteral(".ico_key")) + QPoint(0, 5);
    const QPoint space = centreOf(QStringLiteral(".ico_c_space"));
    QVERIFY(!cap.isNull() && !space.isNull());
    // The key caps are painted from the sprite, not left in the page's colour, once
    // the page has reached the screen.
    const auto painted = [&] {
        const QImage shot = m_view->grab().toImage();
        const QColor page = shot.pixelColor(m_view->width() - 5, m_view->height() - 5);
        return shot.pixelColor(cap) != page && shot.pixelColor(space) != page;
    };
    QTRY_VERIFY_WITH_TIMEOUT(painted(), 10000);
}

void TestKeyGuideView::runsNoScriptOfThePage_data()
{
    QTest::addColumn<QString>("fragment");
    const QString sprite = KeyGuideSpriteAddress(Settings().AppPath);
    QTest::newRow("inline script") << "<script>document.title = 'ran';</script>";
    QTest::newRow("load attribute") << QStringLiteral(R"(<img src="%1" onload="document.title = 'ran'">)").arg(sprite);
    QTest::newRow("error attribute") << R"(<img src="missing.png" onerror="document.title = 'ran'">)";
    QTest::newRow("script address clicked")
        << "<a id=\"go\" href=\"javascript:void(document.title = 'ran')\" style=\"display:block; height:30px\">go</a>";
}

void TestKeyGuideView::runsNoScriptOfThePage()
{
    QFETCH(QString, fragment);
    show(fragment);
    const QUrl shown = m_view->page()->url();
    if (fragment.contains(QLatin1String("id=\"go\""))) {
        evaluate(QStringLiteral("document.addEventListener('click', function(){ document.body.dataset.clicked = 1; }); 0"));
        const QPoint at = centreOf(QStringLiteral("#go"));
        QTest::mouseClick(m_view->focusProxy(), Qt::LeftButton, Qt::NoModifier, at);
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(QStringLiteral("document.body.dataset.clicked")).toString(), QStringLiteral("1"),
                                  10000);
    }
    QVERIFY(evaluate(QStringLiteral("Array.prototype.every.call(document.images, function(i){ return i.complete; })"))
                .toBool());
    QCOMPARE(evaluate(QStringLiteral("document.title")).toString(), QString());
    QCOMPARE(m_view->page()->url(), shown);
}

void TestKeyGuideView::readsNoOtherLocalFile_data()
{
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("probe");
    const QString image = QStringLiteral("document.getElementById('other').naturalWidth");
    const QString frame = QStringLiteral(
        "(function(){try{return frames[0].document.body.innerText.length;}catch(e){return 0;}})()");
    const QString beside = QUrl::fromLocalFile(m_app->filePath(QStringLiteral("other.png"))).toString();
    const QString text = QUrl::fromLocalFile(m_app->filePath(QStringLiteral("secret.txt"))).toString();
    QTest::newRow("skin picture beside the sprite") << R"(<img id="other" src="MainMenu.png">)" << image;
    QTest::newRow("picture in the application folder") << QStringLiteral(R"(<img id="other" src="%1">)").arg(beside)
                                                        << image;
    QTest::newRow("text file in a frame") << QStringLiteral(R"(<iframe src="%1"></iframe>)").arg(text) << frame;
}

void TestKeyGuideView::readsNoOtherLocalFile()
{
    QFETCH(QString, fragment);
    QFETCH(QString, probe);
    QVERIFY(FilledImage(QSize(20, 20), Qt::red).save(m_app->filePath(QStringLiteral("other.png"))));
    QFile secret(m_app->filePath(QStringLiteral("secret.txt")));
    QVERIFY(secret.open(QIODevice::WriteOnly) && secret.write("secret") > 0);
    secret.close();
    show(QStringLiteral(R"(<img id="sprite" src="%1">)").arg(KeyGuideSpriteAddress(Settings().AppPath)) + fragment);
    QVERIFY(evaluate(QStringLiteral("document.getElementById('sprite').naturalWidth")).toInt() > 0);
    QCOMPARE(evaluate(probe).toInt(), 0);
}

void TestKeyGuideView::scrollsByTheButtonsStep()
{
    QString entries;
    for (int i = 0; i < 40; ++i)
        entries += QStringLiteral(R"(<li><span class="ico_c_up">up</span>%1</li>)").arg(i);
    show(QStringLiteral(R"(<ul class="game_keyboard">)") + entries + QStringLiteral("</ul>"));
    QVERIFY(evaluate(QStringLiteral("document.documentElement.scrollHeight")).toInt() > m_view->height() + 20);
    QCOMPARE(evaluate(QStringLiteral("window.innerWidth - document.documentElement.clientWidth")).toInt(), 0);
    m_view->scrollBy(0, KeyGuideView::ScrollStep);
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(QStringLiteral("window.scrollY")).toInt(), 10, 10000);
    m_view->scrollBy(0, -KeyGuideView::ScrollStep);
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(QStringLiteral("window.scrollY")).toInt(), 0, 10000);
}

void TestKeyGuideView::textCannotBeSelected()
{
    show(QStringLiteral("<p id=\"words\" style=\"font-size:20px\">Arrow keys move</p>"));
    evaluate(QStringLiteral("window.moves = 0; document.addEventListener('mousemove', function(){ ++window.moves; }); 0"));
    // A drag across the words, as a person selects text; each move is let in before the next.
    const int y = centreOf(QStringLiteral("#words")).y();
    QWidget* surface = m_view->focusProxy();
    QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, QPoint(2, y));
    for (int step = 1; step <= 6; ++step) {
        QTest::mouseMove(surface, QPoint(step * 25, y));
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(QStringLiteral("window.moves")).toInt(), step, 10000);
    }
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, QPoint(150, y));
    QCOMPARE(evaluate(QStringLiteral("window.getSelection().toString()")).toString(), QString());
}

QTEST_MAIN(TestKeyGuideView)
#include "TestKeyGuideView.moc"
