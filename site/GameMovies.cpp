#include "site/GameMovies.h"

#include "swf/SwfMovie.h"

#include <QStringList>
#include <QtMath>

#include <cmath>
#include <tuple>

namespace GameMovies {
namespace {

using A = SwfActions;

constexpr int GroundTop = Height * 3 / 4;
constexpr int SceneFrames = 48;
constexpr int BarWidth = 160;

enum Character {
    GroundShape = 1,
    SunShape,
    CloudShape,
    Scene,
    TrackShape,
    BarShape,
    Bar,
    DiamondShape,
    DiamondCore,
    Hero,
    StarShape,
    Star,
    BallShape,
    ShineShape,
    Target,
    RingShape,
    Burst,
};

enum Depth { SceneDepth = 1, TrackDepth, BarDepth, PrizeDepth, PlayerDepth };

SwfPlacement at(int depth, int character, double x, double y, const QString& name = {})
{
    SwfPlacement p;
    p.depth = depth;
    p.character = character;
    p.transform = QTransform::fromTranslate(x, y);
    p.name = name;
    return p;
}

// --- small pieces of script ------------------------------------------------------

// Pushes this.<name>, or <clip>.<name> for a clip of the root timeline.
A& memberOf(A& a, const QString& clip, const QString& name)
{
    if (clip.isEmpty())
        a.push({QStringLiteral("this")}).op(A::GetVariable);
    else
        a.push({QStringLiteral("_root")}).op(A::GetVariable).push({clip}).op(A::GetMember);
    return a.push({name}).op(A::GetMember);
}

// <clip>.<name> = the value `value` pushes.
template<typename Value>
A& setMember(A& a, const QString& clip, const QString& name, Value value)
{
    if (clip.isEmpty())
        a.push({QStringLiteral("this")}).op(A::GetVariable);
    else
        a.push({QStringLiteral("_root")}).op(A::GetVariable).push({clip}).op(A::GetMember);
    a.push({name});
    value(a);
    return a.op(A::SetMember);
}

A& variable(A& a, const QString& name)
{
    return a.push({name}).op(A::GetVariable);
}

// Key.isDown(code) || tap == code for every code: held, or pressed and let go since
// the last frame (a tap shorter than a frame still counts).
A& anyKey(A& a, std::initializer_list<int> codes)
{
    bool first = true;
    for (const int code : codes) {
        a.push({code, 1, QStringLiteral("Key")}).op(A::GetVariable).push({QStringLiteral("isDown")}).op(A::CallMethod);
        if (!first)
            a.op(A::Or);
        variable(a, QStringLiteral("tap")).push({code}).op(A::Equals2).op(A::Or);
        first = false;
    }
    return a;
}

// this.<name> stays within low .. high.
A& clampMember(A& a, const QString& name, int low, int high)
{
    const A::Label aboveLow = a.newLabel();
    memberOf(a, {}, name).push({low}).op(A::Less2).op(A::Not).branchIf(aboveLow);
    setMember(a, {}, name, [low](A& v) { v.push({low}); });
    a.mark(aboveLow);
    const A::Label belowHigh = a.newLabel();
    a.push({high});
    memberOf(a, {}, name).op(A::Less2).op(A::Not).branchIf(belowHigh);
    setMember(a, {}, name, [high](A& v) { v.push({high}); });
    return a.mark(belowHigh);
}

// score = score + 1, and the bar shows it: one tenth per point, full at ten, then anew.
A& scorePoint(A& a)
{
    a.push({QStringLiteral("score")});
    variable(a, QStringLiteral("score")).push({1}).op(A::Add2).op(A::SetVariable);
    return setMember(a, QStringLiteral("bar"), QStringLiteral("_xscale"), [](A& v) {
        variable(v, QStringLiteral("score")).push({1}).op(A::Subtract).push({10}).op(A::Modulo);
        v.push({1}).op(A::Add2).push({10}).op(A::Multiply);
    });
}

A& startScore(A& a)
{
    a.push({QStringLiteral("score"), 0}).op(A::SetVariable);
    return setMember(a, QStringLiteral("bar"), QStringLiteral("_xscale"), [](A& v) { v.push({0}); });
}

// The squared distance between this clip and `other` is below radius².
A& touches(A& a, const QString& other, int radius)
{
    for (const char* axis : {"_x", "_y"}) {
        memberOf(a, other, QString::fromLatin1(axis));
        memberOf(a, {}, QString::fromLatin1(axis)).op(A::Subtract).op(A::PushDuplicate).op(A::Multiply);
    }
    return a.op(A::Add2).push({radius * radius}).op(A::Less2);
}

// --- the scene and the score bar, shared by both games -----------------------------

void addScene(SwfTimeline& movie, const GameMovie& game)
{
    movie.defineShape(GroundShape, {game.ground, {Swf::Rectangle(0, 0, Width, Height - GroundTop)}});
    movie.defineShape(SunShape, {game.accent.lighter(125), {Swf::Ellipse(Height / 7.0, Height / 7.0, 24)}});
    movie.defineShape(CloudShape, {QColor(255, 255, 255, 235), {Swf::Ellipse(Height / 6.0, Height / 16.0, 24)}});

    SwfTimeline scene;
    for (int frame = 0; frame < SceneFrames; ++frame) {
        const double phase = double(frame) / SceneFrames;
        // The clouds sway in opposite directions and the sun breathes, all back where
        // they started when the loop comes round.
        const double sway = std::sin(phase * 2 * M_PI) * Width * 0.06;
        const double glow = 1 + 0.06 * std::sin(phase * 4 * M_PI);
        QList<SwfPlacement> places = {at(3, 0, Width * 0.22 + sway, Height * 0.16),
                                      at(4, 0, Width * 0.55 - sway, Height * 0.32), at(2, 0, Width * 0.82, Height * 0.2)};
        places[2].transform = QTransform(glow, 0, 0, glow, Width * 0.82, Height * 0.2);
        if (frame == 0) {
            scene.place(at(1, GroundShape, 0, GroundTop));
            places[0].character = places[1].character = CloudShape;
            places[2].character = SunShape;
        }
        for (const SwfPlacement& p : places)
            scene.place(p);
        scene.showFrame();
    }
    movie.defineSprite(Scene, scene);

    movie.defineShape(TrackShape, {QColor(255, 255, 255, 80), {Swf::Rectangle(0, 0, BarWidth, 10)}});
    movie.defineShape(BarShape, {QColor(255, 255, 255), {Swf::Rectangle(0, 0, BarWidth, 10)}});
    SwfTimeline bar;
    bar.place(at(1, BarShape, 0, 0));
    bar.showFrame();
    movie.defineSprite(Bar, bar);
}

void placeSceneAndBar(SwfTimeline& movie)
{
    movie.place(at(SceneDepth, Scene, 0, 0));
    const double barX = (Width - BarWidth) / 2.0;
    const double barY = GroundTop + (Height - GroundTop) / 2.0 - 5;
    movie.place(at(TrackDepth, TrackShape, barX, barY));
    movie.place(at(BarDepth, Bar, barX, barY, QStringLiteral("bar")));
}

QPolygonF starOutline(double outer, double inner)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + M_PI * i / 5;
        const double r = i % 2 ? inner : outer;
        points.append(QPointF(r * std::cos(angle), r * std::sin(angle)));
    }
    return points;
}

// --- the keyboard game --------------------------------------------------------------

constexpr int Step = 8;
constexpr int HeroRadius = 24;

void addSteer(SwfTimeline& movie, const GameMovie& game)
{
    movie.defineShape(DiamondShape, {game.accent, {Swf::Ellipse(HeroRadius, HeroRadius, 4, -M_PI / 2)}});
    movie.defineShape(DiamondCore, {game.accent.lighter(150), {Swf::Ellipse(8, 8, 4, -M_PI / 2)}});
    SwfTimeline hero;
    hero.place(at(1, DiamondShape, 0, 0));
    hero.place(at(2, DiamondCore, 0, -6));
    hero.showFrame();
    movie.defineSprite(Hero, hero);

    movie.defineShape(StarShape, {QColor(255, 236, 120), {starOutline(18, 8)}});
    SwfTimeline star;
    star.place(at(1, StarShape, 0, 0));
    star.showFrame();
    movie.defineSprite(Star, star);

    placeSceneAndBar(movie);

    SwfPlacement spin = at(PrizeDepth, Star, Width * 0.6, GroundTop * 0.6, QStringLiteral("star"));
    A turn;
    setMember(turn, {}, QStringLiteral("_rotation"), [](A& v) { memberOf(v, {}, QStringLiteral("_rotation")).push({6}).op(A::Add2); });
    spin.clipActions.append({ClipEnterFrame, turn});
    movie.place(spin);

    SwfPlacement player = at(PlayerDepth, Hero, Width * 0.25, GroundTop - HeroRadius, QStringLiteral("hero"));
    A load;
    load.push({QStringLiteral("tap"), 0}).op(A::SetVariable);
    startScore(load);

    A keyDown; // tap = Key.getCode()
    keyDown.push({QStringLiteral("tap"), 0, QStringLiteral("Key")}).op(A::GetVariable);
    keyDown.push({QStringLiteral("getCode")}).op(A::CallMethod).op(A::SetVariable);

    // this._x += (right - left) * Step; the same downwards; then the star.
    A frame;
    setMember(frame, {}, QStringLiteral("_x"), [](A& v) {
        memberOf(v, {}, QStringLiteral("_x"));
        anyKey(v, {39, 68});
        anyKey(v, {37, 65});
        v.op(A::Subtract).push({Step}).op(A::Multiply).op(A::Add2);
    });
    setMember(frame, {}, QStringLiteral("_y"), [](A& v) {
        memberOf(v, {}, QStringLiteral("_y"));
        anyKey(v, {40, 83});
        anyKey(v, {38, 87});
        v.op(A::Subtract).push({Step}).op(A::Multiply).op(A::Add2);
    });
    frame.push({QStringLiteral("tap"), 0}).op(A::SetVariable);
    clampMember(frame, QStringLiteral("_x"), HeroRadius, Width - HeroRadius);
    clampMember(frame, QStringLiteral("_y"), HeroRadius, Height - HeroRadius);
    const A::Label missed = frame.newLabel();
    touches(frame, QStringLiteral("star"), HeroRadius + 18).op(A::Not).branchIf(missed);
    setMember(frame, QStringLiteral("star"), QStringLiteral("_x"),
              [](A& v) { v.push({Width - 80}).op(A::RandomNumber).push({40}).op(A::Add2); });
    setMember(frame, QStringLiteral("star"), QStringLiteral("_y"),
              [](A& v) { v.push({GroundTop - 80}).op(A::RandomNumber).push({40}).op(A::Add2); });
    scorePoint(frame);
    frame.mark(missed);

    player.clipActions = {{ClipLoad, load}, {ClipKeyDown, keyDown}, {ClipEnterFrame, frame}};
    movie.place(player);
}

// --- the mouse game -----------------------------------------------------------------

constexpr int BallRadius = 30;
constexpr int Margin = BallRadius + 10;
constexpr int SkyBottom = GroundTop - BallRadius - 10;

void addClick(SwfTimeline& movie, const GameMovie& game)
{
    movie.defineShape(BallShape, {game.accent, {Swf::Ellipse(BallRadius, BallRadius, 32)}});
    movie.defineShape(ShineShape, {QColor(255, 255, 255, 170), {Swf::Ellipse(9, 6, 16)}});
    SwfTimeline ball;
    ball.place(at(1, BallShape, 0, 0));
    ball.place(at(2, ShineShape, -11, -12));
    ball.showFrame();
    movie.defineSprite(Target, ball);

    // A white ring that widens and fades where the ball burst; it waits on its first
    // frame until played.
    movie.defineShape(RingShape, {QColor(255, 255, 255),
                                  {Swf::Ellipse(BallRadius, BallRadius, 32), Swf::Reversed(Swf::Ellipse(BallRadius - 5, BallRadius - 5, 32))}});
    SwfTimeline burst;
    burst.doAction(A().op(A::Stop));
    burst.showFrame();
    constexpr int BurstFrames = 10;
    for (int i = 0; i < BurstFrames; ++i) {
        const double t = double(i) / (BurstFrames - 1);
        SwfPlacement ring = at(1, i == 0 ? RingShape : 0, 0, 0);
        ring.transform = QTransform::fromScale(0.8 + 1.2 * t, 0.8 + 1.2 * t);
        ring.colour = SwfColourTransform{};
        ring.colour->alpha = 1 - t;
        burst.place(ring);
        burst.showFrame();
    }
    burst.remove(1);
    burst.showFrame();
    movie.defineSprite(Burst, burst);

    placeSceneAndBar(movie);
    movie.place(at(PrizeDepth, Burst, 0, 0, QStringLiteral("burst")));

    SwfPlacement ballAt = at(PlayerDepth, Target, Width * 0.3, GroundTop * 0.45, QStringLiteral("target"));
    A load;
    load.push({QStringLiteral("vx"), 3}).op(A::SetVariable).push({QStringLiteral("vy"), 2}).op(A::SetVariable);
    startScore(load);

    // Drift, turning back at the edges of the sky.
    A frame;
    for (const auto& [axis, speed, low, high, pace] :
         {std::tuple{"_x", "vx", Margin, Width - Margin, 3}, std::tuple{"_y", "vy", Margin, SkyBottom, 2}}) {
        const QString member = QString::fromLatin1(axis), velocity = QString::fromLatin1(speed);
        setMember(frame, {}, member, [&](A& v) { memberOf(v, {}, member); variable(v, velocity).op(A::Add2); });
        const A::Label notLow = frame.newLabel(), notHigh = frame.newLabel();
        memberOf(frame, {}, member).push({low}).op(A::Less2).op(A::Not).branchIf(notLow);
        frame.push({velocity, pace}).op(A::SetVariable);
        frame.mark(notLow);
        frame.push({high});
        memberOf(frame, {}, member).op(A::Less2).op(A::Not).branchIf(notHigh);
        frame.push({velocity, -pace}).op(A::SetVariable);
        frame.mark(notHigh);
    }

    // A press on the ball: the burst plays where it was, and the ball comes back half
    // the sky away at another height.
    A press;
    const A::Label missed = press.newLabel();
    memberOf(press, {}, QStringLiteral("_xmouse")).op(A::PushDuplicate).op(A::Multiply);
    memberOf(press, {}, QStringLiteral("_ymouse")).op(A::PushDuplicate).op(A::Multiply).op(A::Add2);
    press.push({BallRadius * BallRadius}).op(A::Less2).op(A::Not).branchIf(missed);
    for (const char* axis : {"_x", "_y"})
        setMember(press, QStringLiteral("burst"), QString::fromLatin1(axis),
                  [axis](A& v) { memberOf(v, {}, QString::fromLatin1(axis)); });
    press.push({2, 1, QStringLiteral("_root")}).op(A::GetVariable).push({QStringLiteral("burst")}).op(A::GetMember);
    press.push({QStringLiteral("gotoAndPlay")}).op(A::CallMethod).op(A::Pop);
    setMember(press, {}, QStringLiteral("_x"), [](A& v) {
        constexpr int span = Width - 2 * Margin;
        memberOf(v, {}, QStringLiteral("_x")).push({span / 2 - Margin}).op(A::Add2).push({span}).op(A::Modulo);
        v.push({Margin}).op(A::Add2);
    });
    setMember(press, {}, QStringLiteral("_y"),
              [](A& v) { v.push({SkyBottom - Margin}).op(A::RandomNumber).push({Margin}).op(A::Add2); });
    scorePoint(press);
    press.mark(missed);

    ballAt.clipActions = {{ClipLoad, load}, {ClipEnterFrame, frame}, {ClipMouseDown, press}};
    movie.place(ballAt);
}

} // namespace

GameMovieKind KindOf(const SiteGame& game)
{
    static const QStringList movementKeys = {QStringLiteral("arrows"), QStringLiteral("wasd"), QStringLiteral("lr"),
                                             QStringLiteral("ud"),     QStringLiteral("left"), QStringLiteral("right"),
                                             QStringLiteral("up"),     QStringLiteral("down")};
    for (const GameControl& control : game.controls) {
        if (movementKeys.contains(control.picture))
            return GameMovieKind::Steer;
    }
    return GameMovieKind::Click;
}

GameMovie For(const SiteGame& game)
{
    GameMovie movie;
    movie.kind = KindOf(game);
    movie.background = game.colour.lighter(140);
    movie.ground = game.colour.darker(160);
    movie.accent = QColor::fromHsv((game.colour.hsvHue() + 180) % 360, 200, 250);
    return movie;
}

QByteArray Write(const GameMovie& game)
{
    SwfTimeline movie;
    addScene(movie, game);
    if (game.kind == GameMovieKind::Steer)
        addSteer(movie, game);
    else
        addClick(movie, game);
    movie.showFrame();

    SwfHeader header;
    header.stage = QSize(Width, Height);
    header.background = game.background;
    return Swf::File(header, movie);
}

} // namespace GameMovies
