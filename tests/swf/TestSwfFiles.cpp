#include "site/GameMovies.h"
#include "skin/ShippedMovies.h"

#include <QSet>
#include <QTest>

// Reads every movie we write back tag by tag, shape records and actions included, so
// that a wrong length, a misplaced bit, a branch into the middle of an action or a
// missing end record shows up before a player has to cope with it.
class TestSwfFiles : public QObject {
    Q_OBJECT
private slots:
    void moviesReadBack_data();
    void moviesReadBack();
};

namespace {

class BitReader {
public:
    BitReader(const QByteArray& bytes, qsizetype start)
        : m_bytes(bytes)
        , m_bit(start * 8)
    {
    }
    quint32 ub(int bits)
    {
        quint32 value = 0;
        for (int i = 0; i < bits; ++i, ++m_bit) {
            if (m_bit / 8 >= m_bytes.size()) {
                m_overrun = true;
                return 0;
            }
            value = (value << 1) | ((uchar(m_bytes[m_bit / 8]) >> (7 - m_bit % 8)) & 1);
        }
        return value;
    }
    qint32 sb(int bits)
    {
        const quint32 raw = ub(bits);
        return bits > 0 && (raw >> (bits - 1)) ? qint32(raw | ~((1u << bits) - 1)) : qint32(raw);
    }
    void align() { m_bit = (m_bit + 7) / 8 * 8; }
    int u8() { align(); return int(ub(8)); }
    int u16() { const int low = u8(); return low | (u8() << 8); }
    quint32 u32() { const quint32 low = quint32(u16()); return low | (quint32(u16()) << 16); }
    QByteArray string()
    {
        QByteArray text;
        for (int c = u8(); c != 0 && !m_overrun; c = u8())
            text += char(c);
        return text;
    }
    qsizetype at() const { return m_bit / 8; }
    void seek(qsizetype byte) { m_bit = byte * 8; }
    bool overrun() const { return m_overrun; }

private:
    const QByteArray& m_bytes;
    qsizetype m_bit;
    bool m_overrun = false;
};

struct Rect {
    int xMin, xMax, yMin, yMax;
};

Rect readRect(BitReader& in)
{
    const int bits = int(in.ub(5));
    Rect r{in.sb(bits), in.sb(bits), in.sb(bits), in.sb(bits)};
    in.align();
    return r;
}

// Empty when the block is sound; otherwise what is wrong with it.
QString checkActions(BitReader& in, qsizetype end)
{
    QSet<qsizetype> starts;
    QList<qsizetype> targets;
    while (in.at() < end) {
        starts.insert(in.at());
        const int code = in.u8();
        if (code == 0)
            return in.at() == end && std::all_of(targets.begin(), targets.end(), [&](qsizetype t) { return starts.contains(t); })
                       ? QString()
                       : QStringLiteral("a branch lands between actions, or the end action is not last");
        if (code < 0x80)
            continue;
        const int length = in.u16();
        const qsizetype next = in.at() + length;
        if (code == 0x99 || code == 0x9D) // Jump, If
            targets.append(next + qint16(in.u16()));
        if (code == 0x96) { // Push: strings, booleans and integers only
            while (in.at() < next) {
                const int type = in.u8();
                if (type == 0)
                    in.string();
                else if (type == 5)
                    in.u8();
                else if (type == 7)
                    in.u32();
                else
                    return QStringLiteral("push of type %1").arg(type);
            }
        }
        if (in.at() > next)
            return QStringLiteral("action 0x%1 is longer than it says").arg(code, 0, 16);
        in.seek(next);
    }
    return QStringLiteral("actions run past their block");
}

// A DefineShape3 body: every contour closes, stays within the bounds and the records
// end exactly at the tag's end.
bool shapeReadsBack(BitReader& in, qsizetype end)
{
    in.u16();
    const Rect bounds = readRect(in);
    const int fills = in.u8();
    for (int i = 0; i < fills; ++i) {
        if (in.u8() != 0x00)
            return false;
        in.u32(); // RGBA
    }
    if (in.u8() != 0)
        return false;
    const int fillBits = int(in.ub(4));
    const int lineBits = int(in.ub(4));
    int x = 0, y = 0, startX = 0, startY = 0;
    while (!in.overrun()) {
        if (in.ub(1) == 0) {
            const quint32 flags = in.ub(5);
            if (x != startX || y != startY)
                return false;
            if (flags == 0) {
                in.align();
                return in.at() == end;
            }
            if (flags & 1) {
                const int bits = int(in.ub(5));
                x = startX = in.sb(bits);
                y = startY = in.sb(bits);
            }
            in.ub(fillBits * (((flags >> 1) & 1) + ((flags >> 2) & 1)) + lineBits * ((flags >> 3) & 1));
            continue;
        }
        if (in.ub(1) == 0)
            return false; // curves are never written
        const int bits = int(in.ub(4)) + 2;
        if (in.ub(1)) {
            x += in.sb(bits);
            y += in.sb(bits);
        } else if (in.ub(1)) {
            y += in.sb(bits);
        } else {
            x += in.sb(bits);
        }
        if (x < bounds.xMin || x > bounds.xMax || y < bounds.yMin || y > bounds.yMax)
            return false;
    }
    return false;
}

// Walks PlaceObject2 up to its clip actions and checks each of them.
QString checkPlacement(BitReader& in, qsizetype end, const QSet<int>& defined, QSet<QByteArray>& names)
{
    const int flags = in.u8();
    in.u16();
    if ((flags & 0x02) && !defined.contains(in.u16()))
        return QStringLiteral("places a character not yet defined");
    if (flags & 0x04) {
        for (int part = 0; part < 2; ++part) {
            if (in.ub(1)) {
                const int bits = int(in.ub(5));
                in.ub(2 * bits);
            }
        }
        in.ub(2 * int(in.ub(5)));
    }
    if (flags & 0x08) {
        in.align();
        const int terms = int(in.ub(2));
        in.ub(int(in.ub(4)) * 4 * ((terms & 1) + (terms >> 1)));
    }
    if (flags & 0x10)
        in.u16();
    if (flags & 0x20)
        names.insert(in.string());
    if (flags & 0x40)
        in.u16();
    if (flags & 0x80) {
        in.u16();
        in.u32();
        for (quint32 events = in.u32(); events != 0; events = in.u32()) {
            const quint32 size = in.u32();
            const qsizetype next = in.at() + size;
            const QString error = checkActions(in, next);
            if (!error.isEmpty())
                return error;
        }
    }
    in.align();
    return in.at() == end ? QString() : QStringLiteral("placement ends before its tag does");
}

// Reads the tags of a timeline up to its end tag; returns the frames shown.
int readTimeline(BitReader& in, const QByteArray& swf, QSet<int>& defined, QSet<QByteArray>& names, bool sprite)
{
    int frames = 0;
    for (;;) {
        if (in.at() >= swf.size()) {
            QTest::qFail("tags run past the end of the file", __FILE__, __LINE__);
            return -1;
        }
        const int header = in.u16();
        const int code = header >> 6;
        qsizetype length = header & 0x3F;
        if (length == 0x3F)
            length = qsizetype(in.u32());
        const qsizetype body = in.at();
        const qsizetype end = body + length;
        QString error;
        switch (code) {
        case 0:
            return frames;
        case 1:
            ++frames;
            break;
        case 9:
            if (sprite || length != 3)
                error = QStringLiteral("background colour");
            break;
        case 12:
            error = checkActions(in, end);
            break;
        case 26:
            error = checkPlacement(in, end, defined, names);
            break;
        case 28:
            break;
        case 32:
            if (sprite || !shapeReadsBack(in, end))
                error = QStringLiteral("shape %1 does not read back").arg(defined.size() + 1);
            in.seek(body);
            defined.insert(in.u16());
            break;
        case 39: {
            if (sprite) {
                error = QStringLiteral("sprite inside a sprite");
                break;
            }
            const int id = in.u16();
            const int declared = in.u16();
            if (readTimeline(in, swf, defined, names, true) != declared || in.at() != end)
                error = QStringLiteral("sprite %1 does not read back").arg(id);
            defined.insert(id);
            break;
        }
        default:
            error = QStringLiteral("unexpected tag %1").arg(code);
        }
        if (!error.isEmpty()) {
            QTest::qFail(qPrintable(error), __FILE__, __LINE__);
            return -1;
        }
        in.seek(end);
    }
}

} // namespace

void TestSwfFiles::moviesReadBack_data()
{
    QTest::addColumn<QByteArray>("swf");
    QTest::addColumn<QList<QByteArray>>("instances"); // the names its scripts reach
    QTest::newRow("replay cue") << ShippedMovies::Replay() << QList<QByteArray>();
    QTest::newRow("loading") << ShippedMovies::Loading() << QList<QByteArray>();
    GameMovie steer;
    steer.kind = GameMovieKind::Steer;
    QTest::newRow("keyboard game") << GameMovies::Write(steer) << QList<QByteArray>{"hero", "star", "bar"};
    GameMovie click;
    click.kind = GameMovieKind::Click;
    click.background = Qt::black;
    QTest::newRow("mouse game") << GameMovies::Write(click) << QList<QByteArray>{"target", "burst", "bar"};
}

void TestSwfFiles::moviesReadBack()
{
    QFETCH(QByteArray, swf);
    QFETCH(QList<QByteArray>, instances);

    QCOMPARE(swf.left(3), QByteArray("FWS"));
    BitReader in(swf, 3);
    QCOMPARE(in.u8(), 6);
    QCOMPARE(qsizetype(in.u32()), swf.size());
    const Rect stage = readRect(in);
    QCOMPARE(stage.xMin, 0);
    QCOMPARE(stage.yMin, 0);
    QCOMPARE(stage.xMax, 550 * 20);
    QCOMPARE(stage.yMax, 400 * 20);
    QCOMPARE(in.u16(), 24 << 8);
    const int declared = in.u16();

    QSet<int> defined;
    QSet<QByteArray> names;
    const int frames = readTimeline(in, swf, defined, names, false);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(frames, declared);
    QCOMPARE(in.at(), swf.size());
    for (const QByteArray& name : instances)
        QVERIFY2(names.contains(name), name.constData());
}

QTEST_APPLESS_MAIN(TestSwfFiles)
#include "TestSwfFiles.moc"
