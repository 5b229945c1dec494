// The registration code and the update page, decided without a window.
#include "account/SiteAnswer.h"
#include "account/RegistrationRules.h"
#include "account/UpdatePage.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <algorithm>

class TestAccountRules : public QObject {
    Q_OBJECT
private slots:
    void codeIsFourDistinctCharactersOfTheAlphabet_data();
    void codeIsFourDistinctCharactersOfTheAlphabet();
    void codeCheckIgnoresCaseAndShowsEveryFault_data();
    void codeCheckIgnoresCaseAndShowsEveryFault();
    void updatePageTellsWhatToDo_data();
    void updatePageTellsWhatToDo();
};

namespace {

// A source that plays `values` over and over, each `repeat` times: a generator
// reseeded from a coarse clock gives the same number many times running.
UniformSource replay(QList<double> values, int repeat)
{
    auto at = std::make_shared<qsizetype>(0);
    return [values, repeat, at] { return values[(*at)++ / repeat % values.size()]; };
}

} // namespace

void TestAccountRules::codeIsFourDistinctCharactersOfTheAlphabet_data()
{
    QTest::addColumn<UniformSource>("source");
    QTest::addColumn<int>("draws");
    QTest::addColumn<QString>("expected");

    // round(r × 34 + 1) with halves to even: the ends of [0, 1) and the halfway points.
    QTest::newRow("lowest first") << replay({0.0, 0.0, 1.0 / 34, 2.0 / 34, 3.0 / 34}, 1) << 1 << "1234";
    QTest::newRow("just below one") << replay({0.999999, 33.0 / 34, 32.0 / 34, 31.0 / 34}, 1) << 1 << "MNBV";
    // k / 68 × 34 + 1 is exactly 2.5, 3.5, ... 7.5: they round to 2, 4, 4, 6, 6, 8.
    QTest::newRow("halves go to even") << replay({3 / 68.0, 5 / 68.0, 7 / 68.0, 9 / 68.0, 11 / 68.0, 13 / 68.0}, 1)
                                       << 1 << "2468";
    QTest::newRow("a stuck source still ends") << replay({0.3, 0.3, 0.6, 0.9, 0.1}, 40) << 1 << QString();
    QTest::newRow("the process generator") << UniformSource() << 2000 << QString();
}

void TestAccountRules::codeIsFourDistinctCharactersOfTheAlphabet()
{
    QFETCH(UniformSource, source);
    QFETCH(int, draws);
    QFETCH(QString, expected);
    QSet<QChar> seen;
    for (int i = 0; i < draws; ++i) {
        const QString code = DrawCode(source);
        QCOMPARE(code.size(), 4);
        QVERIFY2(!code.contains(QLatin1Char('0')), qPrintable(code));
        QCOMPARE(QSet<QChar>(code.begin(), code.end()).size(), 4);
        for (QChar c : code) {
            QVERIFY2(CodeAlphabet.contains(c), qPrintable(code));
            seen.insert(c);
        }
        if (!expected.isEmpty())
            QCOMPARE(code, expected);
    }
    // Many draws reach both ends of the alphabet and everything between.
    if (draws > 1000)
        QCOMPARE(seen.size(), int(CodeAlphabet.size()));
}

void TestAccountRules::codeCheckIgnoresCaseAndShowsEveryFault_data()
{
    QTest::addColumn<QStringList>("fields"); // name, password, repeat, e-mail, code typed
    QTest::addColumn<QStringList>("labels"); // name, password, repeat ("=" left as it was), e-mail, code
    QTest::addColumn<bool>("ok");

    using namespace RegistrationText;
    const QString kept = QStringLiteral("=");
    QTest::newRow("all empty") << QStringList{"", "", "", "", ""}
                               << QStringList{EnterUserName, EnterPassword, kept, EnterEmail, EnterCode} << false;
    QTest::newRow("lower case code") << QStringList{"ann", "pw1234", "pw1234", "a@b.cn", "q7ke"}
                                     << QStringList{Accepted, Accepted, Accepted, Accepted, Accepted} << true;
    QTest::newRow("every fault at once") << QStringList{"", "pw1234", "PW1234", "", "Q7KF"}
                                         << QStringList{EnterUserName, Accepted, PasswordsDiffer, EnterEmail, WrongCode}
                                         << false;
    QTest::newRow("no password, repeat left alone") << QStringList{"ann", "", "other", "a@b.cn", "Q7KE"}
                                                    << QStringList{Accepted, EnterPassword, kept, Accepted, Accepted}
                                                    << false;
    QTest::newRow("short code") << QStringList{"ann", "pw", "pw", "a@b.cn", "Q7K"}
                                << QStringList{Accepted, Accepted, Accepted, Accepted, WrongCode} << false;
}

void TestAccountRules::codeCheckIgnoresCaseAndShowsEveryFault()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, labels);
    QFETCH(bool, ok);
    const RegistrationCheck check = CheckRegistration({fields[0], fields[1], fields[2], fields[3], fields[4]},
                                                      QStringLiteral("Q7KE"));
    QCOMPARE(check.userName, labels[0]);
    QCOMPARE(check.password, labels[1]);
    QCOMPARE(check.passwordAgain.value_or(QStringLiteral("=")), labels[2]);
    QCOMPARE(check.email, labels[3]);
    QCOMPARE(check.code, labels[4]);
    QCOMPARE(check.ok, ok);
}

void TestAccountRules::updatePageTellsWhatToDo_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("download");

    const auto page = [](const QString& body) {
        return QStringLiteral("<HTML><HEAD></HEAD><BODY>%1\n</BODY></HTML>").arg(body);
    };
    const int latest = int(UpdateNews::Kind::Latest), newer = int(UpdateNews::Kind::Newer),
              unreadable = int(UpdateNews::Kind::Unreadable);
    const QString address = QStringLiteral("http://127.0.0.1:8737/tavolin/download/index.html");
    QTest::newRow("3.01 is newer") << page("3.01|127.0.0.1:8737\\tavolin\\download\\index.html") << newer << address;
    QTest::newRow("3.1 is newer") << page("3.1|127.0.0.1:8737\\tavolin\\download\\index.html|x") << newer << address;
    QTest::newRow("10 is newer") << page("10|mivo.example\\get") << newer << "http://mivo.example/get";
    QTest::newRow("3.0 is not") << page("3.0|127.0.0.1:8737\\tavolin\\download\\index.html") << latest << "";
    QTest::newRow("3 is not") << page("3|127.0.0.1:8737\\x") << latest << "";
    QTest::newRow("2.99 is not") << page(" 2.99 |127.0.0.1:8737\\x") << latest << "";
    QTest::newRow("scheme written out") << page("3.5|http:\\\\127.0.0.1:8737\\a b\\c.html") << newer
                                        << "http://127.0.0.1:8737/ab/c.html";
    QTest::newRow("newer without an address") << page("3.5") << newer << "";
    QTest::newRow("newer, address without a host") << page("3.5|\\\\") << newer << "";
    QTest::newRow("comma") << page("3,1|127.0.0.1:8737\\x") << unreadable << "";
    QTest::newRow("not a number") << page("abc|127.0.0.1:8737\\x") << unreadable << "";
    QTest::newRow("infinity") << page("inf|127.0.0.1:8737\\x") << unreadable << "";
    QTest::newRow("empty page") << page("") << unreadable << "";
    QTest::newRow("an error page")
        << QStringLiteral("<HTML><HEAD><title>Not found</title></HEAD><BODY><h1>404 Not Found</h1></BODY></HTML>")
        << unreadable << "";
}

void TestAccountRules::updatePageTellsWhatToDo()
{
    QFETCH(QString, markup);
    QFETCH(int, kind);
    QFETCH(QString, download);
    const UpdateNews news = ReadUpdatePage(CleanSiteAnswer(markup));
    QCOMPARE(int(news.kind), kind);
    QCOMPARE(news.download.toString(), download);
}

QTEST_GUILESS_MAIN(TestAccountRules)
#include "TestAccountRules.moc"
