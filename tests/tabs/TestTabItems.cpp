#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/TabError.h"
#include "tabs/uTab.h"
#include "tests/tabs/TabTestSupport.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TabIndex)

namespace {

void DeleteDeferred()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList Captions(const CTabItems& items)
{
    QStringList captions;
    for (int i = 0; i < items.Count(); ++i)
        captions << items.Item(i)->Caption();
    return captions;
}

}

class TestTabItems : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void addPositions_data();
    void addPositions();
    void addErrorsLeaveListAndPageAlone_data();
    void addErrorsLeaveListAndPageAlone();
    void addInitializesTwiceAndAttaches();
    void findItem_data();
    void findItem();
    void itemLookups();
    void removeUnloadsOnlyWhenAsked_data();
    void removeUnloadsOnlyWhenAsked();
    void removeRefusedByCloseHandler();
    void removedTabStaysValidWhileItsPageHoldsIt();
    void droppedTabClosesItsPage();
    void clearClosesEveryPage();
    void releaseFormRestoresFlagsAndCentres();
    void releaseFormRefusedLeavesPageInTab();

private:
    // Three tabs "a", "b", "c" with keys "ka", "kb", "kc" in a strip.
    void fill(QStringList keys = { "ka", "kb", "kc" });

    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<QWidget> m_host;
    QWidget* m_container = nullptr;
    uTab* m_strip = nullptr;
    QList<QPointer<TestForm>> m_forms;
};

void TestTabItems::init()
{
    m_app = std::make_unique<QTemporaryDir>();
    SkinFixture::Install(m_app->path());
    m_host = std::make_unique<QWidget>();
    m_host->resize(640, 480);
    m_strip = new uTab(TabSkinFormat::Png, m_host.get());
    m_strip->setGeometry(0, 0, 600, 25);
    m_container = new QWidget(m_host.get());
    m_container->setGeometry(0, 30, 640, 400);
    m_strip->SethContainerWnd(m_container);
}

void TestTabItems::cleanup()
{
    m_host.reset();
    for (const QPointer<TestForm>& form : std::as_const(m_forms))
        delete form.data();
    m_forms.clear();
    DeleteDeferred();
}

void TestTabItems::fill(QStringList keys)
{
    for (int i = 0; i < keys.size(); ++i) {
        auto* form = new TestForm;
        m_forms << form;
        m_strip->TabItems()->Add(QString(QChar('a' + i)), form, keys[i]);
    }
}

void TestTabItems::addPositions_data()
{
    QTest::addColumn<TabIndex>("index");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("missing appends") << TabIndex() << QStringList { "a", "b", "c", "new" };
    QTest::newRow("Count appends") << TabIndex(3) << QStringList { "a", "b", "c", "new" };
    QTest::newRow("0 goes first") << TabIndex(0) << QStringList { "new", "a", "b", "c" };
    QTest::newRow("numeric text") << TabIndex("2") << QStringList { "a", "b", "new", "c" };
    QTest::newRow("padded text") << TabIndex(" 1 ") << QStringList { "a", "new", "b", "c" };
    QTest::newRow("text half to even") << TabIndex("2.5") << QStringList { "a", "b", "new", "c" };
    QTest::newRow("text rounding up") << TabIndex("0.6") << QStringList { "a", "new", "b", "c" };
}

void TestTabItems::addPositions()
{
    QFETCH(TabIndex, index);
    QFETCH(QStringList, captions);
    fill();
    auto* form = new TestForm;
    m_forms << form;
    QVERIFY(m_strip->TabItems()->Add("new", form, "knew", index));
    QCOMPARE(Captions(*m_strip->TabItems()), captions);
    QCOMPARE(m_strip->TabItems()->FindItem("knew"), captions.indexOf("new"));
}

void TestTabItems::addErrorsLeaveListAndPageAlone_data()
{
    QTest::addColumn<TabIndex>("index");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("error");
    QTest::newRow("text") << TabIndex("two") << QString("k") << 5;
    QTest::newRow("empty text") << TabIndex("") << QString("k") << 5;
    QTest::newRow("a tab as position") << TabIndex(static_cast<const CTabItem*>(nullptr)) << QString("k") << 5;
    QTest::newRow("below 0") << TabIndex(-1) << QString("k") << 9;
    QTest::newRow("past Count") << TabIndex(4) << QString("k") << 9;
    QTest::newRow("text past Count") << TabIndex("3.5") << QString("k") << 9;
    QTest::newRow("duplicate key") << TabIndex() << QString("kb") << 457;
}

void TestTabItems::addErrorsLeaveListAndPageAlone()
{
    QFETCH(TabIndex, index);
    QFETCH(QString, key);
    QFETCH(int, error);
    fill();
    auto* form = new TestForm;
    m_forms << form;
    try {
        m_strip->TabItems()->Add("new", form, key, index);
        QFAIL("Add succeeded");
    } catch (const TabError& e) {
        QCOMPARE(e.number(), error);
        QVERIFY(!e.message().isEmpty());
    }
    QCOMPARE(Captions(*m_strip->TabItems()), QStringList({ "a", "b", "c" }));
    QCOMPARE(form->parentWidget(), nullptr);
    QCOMPARE(form->initializeCalls, 0);
}

void TestTabItems::addInitializesTwiceAndAttaches()
{
    auto* form = new TestForm;
    m_forms << form;
    m_strip->TabItems()->Add("page", form);
    QCOMPARE(form->initializeCalls, 2);
    QCOMPARE(form->tab, m_strip->TabItems()->Item(0));
    QVERIFY(form->strip != nullptr);
    QCOMPARE(form->strip->TabItems(), m_strip->TabItems());
    QCOMPARE(form->parentWidget(), m_container);
    QVERIFY(!form->isWindow());
    QVERIFY(!form->isVisibleTo(m_container));
    QCOMPARE(form->tab->Form(), form);
    QCOMPARE(m_strip->Selected(), 0);
}

void TestTabItems::findItem_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<TabIndex>("index");
    QTest::addColumn<int>("position");
    const QStringList plain { "ka", "kb", "kc" };
    QTest::newRow("key") << plain << TabIndex("kc") << 2;
    QTest::newRow("missing key") << plain << TabIndex("kd") << -1;
    QTest::newRow("empty key") << QStringList { "", "", "" } << TabIndex("") << -1;
    QTest::newRow("text is a key, not a position") << QStringList { "x", "y", "2" } << TabIndex("2") << 2;
    QTest::newRow("numeric text without such key") << plain << TabIndex("1") << -1;
    QTest::newRow("last position") << plain << TabIndex(2) << 2;
    QTest::newRow("past the last") << plain << TabIndex(3) << -1;
    QTest::newRow("negative") << plain << TabIndex(-1) << -1;
    QTest::newRow("nothing") << plain << TabIndex() << -1;
    QTest::newRow("empty list") << QStringList() << TabIndex(0) << -1;
}

void TestTabItems::findItem()
{
    QFETCH(QStringList, keys);
    QFETCH(TabIndex, index);
    QFETCH(int, position);
    fill(keys);
    QCOMPARE(m_strip->TabItems()->FindItem(index), position);
}

void TestTabItems::itemLookups()
{
    CTabItems* items = m_strip->TabItems();
    QCOMPARE(items->Count(), 0);
    QCOMPARE(items->Item(0), nullptr);
    fill();
    QCOMPARE(items->Item(3), nullptr);
    QCOMPARE(items->Item(-1), nullptr);
    QCOMPARE(items->Item("kb")->Caption(), QStringLiteral("b"));
    try {
        items->Item("2");
        QFAIL("a missing key was found");
    } catch (const TabError& e) {
        QCOMPARE(e.number(), 5);
    }
    // A page and a tab find their own position.
    QCOMPARE(items->FindItem(static_cast<const ITabForm*>(m_forms[1].data())), 1);
    QCOMPARE(items->FindItem(items->Item(2)), 2);
    TestForm stranger;
    QCOMPARE(items->FindItem(static_cast<const ITabForm*>(&stranger)), -1);
}

void TestTabItems::removeUnloadsOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("unload");
    QTest::newRow("unload") << true;
    QTest::newRow("keep") << false;
}

void TestTabItems::removeUnloadsOnlyWhenAsked()
{
    QFETCH(bool, unload);
    fill();
    QPointer<TestForm> form = m_forms[1];
    QVERIFY(m_strip->TabItems()->Remove("kb", unload));
    DeleteDeferred();
    QCOMPARE(Captions(*m_strip->TabItems()), QStringList({ "a", "c" }));
    QCOMPARE(form.isNull(), unload);
    QVERIFY(!m_strip->TabItems()->Remove("kb", unload));
    QVERIFY(!m_strip->TabItems()->Remove(7, unload));
}

void TestTabItems::removeRefusedByCloseHandler()
{
    fill();
    QList<int> asked;
    connect(m_strip, &uTab::OnItemColose, this, [&](int index, bool& cancel) {
        asked << index;
        cancel = true;
    });
    QVERIFY(!m_strip->TabItems()->Remove(1, true));
    DeleteDeferred();
    QCOMPARE(asked, QList<int>({ 1 }));
    QCOMPARE(m_strip->TabItems()->Count(), 3);
    QVERIFY(!m_forms[1].isNull());
    QCOMPARE(m_forms[1]->tab->Form(), m_forms[1].data());
}

void TestTabItems::removedTabStaysValidWhileItsPageHoldsIt()
{
    fill();
    QPointer<TestForm> form = m_forms[0];
    std::weak_ptr<CTabItem> tab = form->tab;
    QVERIFY(m_strip->TabItems()->Remove(0, false));
    DeleteDeferred();
    QVERIFY(!form.isNull());
    QVERIFY(!tab.expired());
    // A detached tab no longer reaches the strip: renaming it leaves the strip alone.
    form->tab->SetCaption("renamed");
    form->tab->SetLockSize(true);
    QCOMPARE(Captions(*m_strip->TabItems()), QStringList({ "b", "c" }));
    QCOMPARE(form->tab->Form(), nullptr);
    delete form.data();
    QVERIFY(tab.expired());
}

void TestTabItems::droppedTabClosesItsPage()
{
    QPointer<TestForm> form = new TestForm(false);
    {
        CTabItems items;
        items.Add("loose", form.data());
        QCOMPARE(items.Count(), 1);
        QCOMPARE(items.Selected(), -1);
    }
    DeleteDeferred();
    QVERIFY(form.isNull());
}

void TestTabItems::clearClosesEveryPage()
{
    fill();
    const QList<QPointer<TestForm>> forms = m_forms;
    m_strip->TabItems()->Clear();
    DeleteDeferred();
    QCOMPARE(m_strip->TabItems()->Count(), 0);
    for (const QPointer<TestForm>& form : forms)
        QVERIFY(form.isNull());
}

void TestTabItems::releaseFormRestoresFlagsAndCentres()
{
    const Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint
        | Qt::CustomizeWindowHint;
    fill();
    auto* form = new TestForm(true, flags);
    m_forms << form;
    const Qt::WindowFlags before = form->windowFlags();
    QVERIFY(before.testFlag(Qt::WindowTitleHint));
    m_strip->TabItems()->Add("player", form, "kp");
    m_strip->SetSelected(3);
    QVERIFY(!form->isWindow());
    form->resize(301, 201);

    QVERIFY(m_strip->TabItems()->ReleaseForm(static_cast<const ITabForm*>(form)));
    QVERIFY(form->isWindow());
    QCOMPARE(form->parentWidget(), nullptr);
    QCOMPARE(form->windowFlags(), before);
    QVERIFY(form->isVisible());
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const auto centre = [](int free) { return (free % 4 == 1) ? (free - 1) / 2 : (free % 4 == 3) ? (free + 1) / 2 : free / 2; };
    QCOMPARE(form->pos(), QPoint(centre(screen.width() - 301), centre(screen.height() - 201)));
    QCOMPARE(m_strip->TabItems()->Count(), 3);
    QCOMPARE(m_strip->TabItems()->FindItem("kp"), -1);
    // The page is free now: dropping its tab must not close it.
    form->tab.reset();
    DeleteDeferred();
    QVERIFY(!m_forms.last().isNull());
    QVERIFY(!m_strip->TabItems()->ReleaseForm("kp"));
}

void TestTabItems::releaseFormRefusedLeavesPageInTab()
{
    fill();
    connect(m_strip, &uTab::OnItemColose, this, [](int, bool& cancel) { cancel = true; });
    QVERIFY(!m_strip->TabItems()->ReleaseForm(1));
    QCOMPARE(m_forms[1]->parentWidget(), m_container);
    QCOMPARE(m_strip->TabItems()->Count(), 3);
}

QTEST_MAIN(TestTabItems)
#include "TestTabItems.moc"
