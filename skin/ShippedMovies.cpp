#include "skin/ShippedMovies.h"

#include "skin/Palette.h"
#include "skin/SkinGenerator.h"
#include "swf/SwfMovie.h"

#include <QDir>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace ShippedMovies {
namespace {

const QSize Stage(550, 400);
const QPointF Centre(Stage.width() / 2.0, Stage.height() / 2.0);

double easeOut(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return 1 - std::pow(1 - t, 3);
}

// Overshoots a little before it settles, like a spring.
double easeOutBack(double t)
{
    t = std::clamp(t, 0.0, 1.0) - 1;
    return 1 + 2.7 * t * t * t + 1.7 * t * t;
}

SwfPlacement placed(int depth, int character, double scale, double alpha, double degrees = 0)
{
    SwfPlacement p;
    p.depth = depth;
    p.character = character;
    QTransform t = QTransform::fromTranslate(Centre.x(), Centre.y());
    t.rotate(degrees);
    t.scale(scale, scale);
    p.transform = t;
    p.colour = SwfColourTransform{};
    p.colour->alpha = std::clamp(alpha, 0.0, 1.0);
    return p;
}

QPointF polar(double radius, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return QPointF(radius * std::cos(a), radius * std::sin(a));
}

QList<QPolygonF> ring(double outer, double inner)
{
    return {Swf::Ellipse(outer, outer, 64), Swf::Reversed(Swf::Ellipse(inner, inner, 64))};
}

// An open circle whose head, at the top, points left: it runs anticlockwise, the way
// a replay turns back.
QPolygonF replayArrow(double radius, double thickness, double headWidth)
{
    // Angles grow clockwise on the screen; the body runs from the head (-90) round
    // through the right, the bottom and the left to its tail at the upper left.
    constexpr double Head = -90, Tail = 200, Tip = -122;
    const double outer = radius + thickness / 2, inner = radius - thickness / 2;
    QPolygonF outline;
    outline << polar(radius, Tip) << polar(outer + headWidth, Head);
    for (double a = Head; a <= Tail; a += 5)
        outline << polar(outer, a);
    for (double a = Tail; a >= Head; a -= 5)
        outline << polar(inner, a);
    outline << polar(inner - headWidth, Head);
    return outline;
}

} // namespace

QByteArray Replay()
{
    enum Character { Halo = 1, Disc, Flash, Arrow, Play };
    SwfTimeline movie;
    movie.defineShape(Halo, {Palette::Accent(), {Swf::Ellipse(230, 230, 64)}});
    movie.defineShape(Disc, {Palette::Accent().lighter(112), {Swf::Ellipse(150, 150, 64)}});
    movie.defineShape(Flash, {QColor(255, 255, 255), ring(150, 144)});
    movie.defineShape(Arrow, {QColor(255, 255, 255), {replayArrow(86, 24, 15)}});
    const double play = 30;
    movie.defineShape(Play, {QColor(255, 255, 255),
                             {QPolygonF({QPointF(-play * 0.45, -play * 0.6), QPointF(play * 0.6, 0), QPointF(-play * 0.45, play * 0.6)})}});

    constexpr int Frames = 36; // one and a half seconds at 24 frames a second
    for (int f = 0; f < Frames; ++f) {
        const int character = f == 0;
        const double grow = easeOut(f / 12.0);
        const double swing = easeOut(f / 22.0);
        const double pop = easeOutBack((f - 14) / 10.0);
        const double flash = (f - 20) / 15.0;
        movie.place(placed(1, character * Halo, 0.8 + 0.2 * grow, 0.45 * grow));
        movie.place(placed(2, character * Disc, 0.6 + 0.4 * grow, grow));
        // A thin ring widens and fades once the arrow has come round.
        movie.place(placed(3, character * Flash, 1 + 0.45 * std::clamp(flash, 0.0, 1.0), flash < 0 ? 0 : 0.7 * (1 - flash)));
        movie.place(placed(4, character * Arrow, 0.55 + 0.45 * easeOutBack(f / 22.0), f / 5.0, 360 * (1 - swing)));
        movie.place(placed(5, character * Play, std::max(0.0, pop), f < 14 ? 0 : 1));
        if (f == Frames - 1)
            movie.doAction(SwfActions().op(SwfActions::Stop));
        movie.showFrame();
    }
    SwfHeader header;
    header.stage = Stage;
    header.background = Palette::AccentDark();
    return Swf::File(header, movie);
}

QByteArray Loading()
{
    enum Character { Ring = 1, Dot };
    constexpr int Dots = 12;
    constexpr double Radius = 54;
    SwfTimeline movie;
    movie.defineShape(Ring, {Palette::Accent(), ring(82, 78)});
    movie.defineShape(Dot, {Palette::Accent(), {Swf::Ellipse(8, 8, 24)}});

    constexpr int Frames = 48; // two seconds a turn
    for (int f = 0; f < Frames; ++f) {
        const double phase = double(f) / Frames;
        const double breath = std::sin(2 * M_PI * phase);
        movie.place(placed(1, f == 0 ? Ring : 0, 1 + 0.05 * breath, 0.3 + 0.12 * breath));
        // A light runs clockwise round the dots, each one fading behind it.
        for (int i = 0; i < Dots; ++i) {
            const double behind = std::fmod(phase - double(i) / Dots + 1, 1.0);
            const double light = std::pow(1 - behind, 2.5);
            SwfPlacement dot = placed(2 + i, f == 0 ? Dot : 0, 0.65 + 0.45 * light, 0.18 + 0.82 * light);
            const QPointF at = Centre + polar(Radius, -90 + 360.0 * i / Dots);
            dot.transform = QTransform(dot.transform->m11(), 0, 0, dot.transform->m22(), at.x(), at.y());
            movie.place(dot);
        }
        movie.showFrame();
    }
    SwfHeader header;
    header.stage = Stage;
    header.background = Palette::AccentSoft();
    return Swf::File(header, movie);
}

bool WriteAll(const QString& gamesFolder, QString* error)
{
    const QDir folder(gamesFolder);
    return SkinGenerator::WriteIfChanged(folder.filePath(QStringLiteral("1.swf")), Replay(), error)
        && SkinGenerator::WriteIfChanged(folder.filePath(QStringLiteral("2.swf")), Loading(), error);
}

} // namespace ShippedMovies
