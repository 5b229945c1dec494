#include "site/SwfWriter.h"

#include <QTest>

// Reads a movie back tag by tag, shape records bit by bit, so that a wrong length,
// a misplaced bit or a missing end record shows up.
class TestSwfWriter : public QObject {
    Q_OBJECT
private slots:
    void movieReadsBack_data();
    void movieReadsBack();
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
    qsizetype bytePosition() const { return m_bit / 8; }
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

// Walks a DefineShape body; true when it ends with an end record exactly at `end`
// and every edge run returns to the point it started from.
bool shapeReadsBack(BitReader& in, qsizetype end)
{
    in.u16();
    const Rect bounds = readRect(in);
    const int fills = in.u8();
    for (int i = 0; i < fills; ++i) {
        if (in.u8() != 0x00)
            return false;
        in.u8(), in.u8(), in.u8();
    }
    if (in.u8() != 0)
        return false;
    const int fillBits = int(in.ub(4));
    const int lineBits = int(in.ub(4));
    int x = 0, y = 0, startX = 0, startY = 0;
    while (!in.overrun()) {
        if (in.ub(1) == 0) {
            const quint32 flags = in.ub(5);
            if (flags == 0) {
                in.align();
                return in.bytePosition() == end && x == startX && y == startY;
            }
            if (flags & 1) {
                const int bits = int(in.ub(5));
                x = startX = in.sb(bits);
                y = startY = in.sb(bits);
            }
            if (flags & 2)
                in.ub(fillBits);
            if (flags & 4)
                in.ub(fillBits);
            if (flags & 8)
                in.ub(lineBits);
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

} // namespace

void TestSwfWriter::movieReadsBack_data()
{
    QTest::addColumn<SwfMovie>("movie");
    QTest::newRow("default") << SwfMovie();
    SwfMovie single;
    single.frames = 1;
    QTest::newRow("one frame") << single;
    SwfMovie wide;
    wide.width = 1920;
    wide.height = 1080;
    wide.frames = 120;
    wide.frameRate = 30;
    wide.version = 8;
    QTest::newRow("large stage") << wide;
    SwfMovie tiny;
    tiny.width = 32;
    tiny.height = 24;
    tiny.background = Qt::black;
    tiny.ground = Qt::white;
    QTest::newRow("tiny stage") << tiny;
}

void TestSwfWriter::movieReadsBack()
{
    QFETCH(SwfMovie, movie);
    const QByteArray swf = SwfWriter::Write(movie);

    QCOMPARE(swf.left(3), QByteArray("FWS"));
    BitReader in(swf, 3);
    QCOMPARE(in.u8(), movie.version);
    QCOMPARE(qsizetype(in.u32()), swf.size());
    const Rect stage = readRect(in);
    QCOMPARE(stage.xMin, 0);
    QCOMPARE(stage.yMin, 0);
    QCOMPARE(stage.xMax, movie.width * 20);
    QCOMPARE(stage.yMax, movie.height * 20);
    QCOMPARE(in.u16(), movie.frameRate << 8);
    QCOMPARE(in.u16(), movie.frames);

    int shownFrames = 0;
    int shapes = 0;
    bool background = false;
    bool ended = false;
    while (!ended) {
        QVERIFY2(in.bytePosition() < swf.size(), "tags run past the end of the file");
        const int header = in.u16();
        const int code = header >> 6;
        qsizetype length = header & 0x3F;
        if (length == 0x3F)
            length = qsizetype(in.u32());
        const qsizetype body = in.bytePosition();
        QVERIFY(body + length <= swf.size());
        switch (code) {
        case 0:
            ended = true;
            break;
        case 1:
            ++shownFrames;
            break;
        case 2:
            ++shapes;
            QVERIFY2(shapeReadsBack(in, body + length), "shape records do not close at the tag's end");
            break;
        case 9:
            background = true;
            QCOMPARE(length, qsizetype(3));
            QCOMPARE(QColor(uchar(swf[body]), uchar(swf[body + 1]), uchar(swf[body + 2])), movie.background);
            break;
        case 26:
            QVERIFY(shapes > 0);
            break;
        default:
            QFAIL(qPrintable(QStringLiteral("unexpected tag %1").arg(code)));
        }
        in.seek(body + length);
    }
    QVERIFY(background);
    QCOMPARE(shapes, 4);
    QCOMPARE(shownFrames, movie.frames);
    QCOMPARE(in.bytePosition(), swf.size());
}

QTEST_APPLESS_MAIN(TestSwfWriter)
#include "TestSwfWriter.moc"
