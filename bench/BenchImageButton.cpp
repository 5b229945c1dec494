// The image button's figures: one repaint rendered into an image, per state and for a
// transparent button, and cutting a strip into its state pictures.
#include "bench/BenchSupport.h"
#include "controls/iButton.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

namespace {

const QSize Frame(88, 28);

QPixmap Strip(int frames)
{
    QImage strip(Frame.width() * frames, Frame.height(), QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < frames; ++i) {
        QLinearGradient fill(0, 0, 0, Frame.height());
        fill.setColorAt(0, QColor(255 - 20 * i, 255 - 10 * i, 255));
        fill.setColorAt(1, QColor(220 - 20 * i, 232 - 10 * i, 244));
        painter.setBrush(fill);
        painter.setPen(QColor(41, 140, 211));
        painter.drawRoundedRect(QRectF(i * Frame.width(), 0, Frame.width(), Frame.height()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    return QPixmap::fromImage(strip);
}

void BM_RepaintState(benchmark::State& state)
{
    iButton button;
    button.setStyle(2);
    button.setBackPicture(Strip(4));
    button.setCaption(QStringLiteral("开始游戏"));
    button.setcBackStyle(int(state.range(1)));
    button.cMouseAction(int(state.range(0)));
    QImage target(button.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        button.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_RepaintState)
    ->ArgNames({ "state", "opaque" })
    ->Args({ 0, 1 })
    ->Args({ 1, 1 })
    ->Args({ 2, 1 })
    ->Args({ 3, 1 })
    ->Args({ 1, 0 });

// A hover cycle: the state changes, the shape follows, the button is drawn.
void BM_StateChangeAndRepaint(benchmark::State& state)
{
    iButton button;
    button.setBackPicture(Strip(3));
    button.setCaption(QStringLiteral("Play"));
    button.setcBackStyle(0);
    QImage target(button.size(), QImage::Format_ARGB32_Premultiplied);
    int shown = 0;
    for (auto _ : state) {
        shown = shown == 1 ? 2 : 1;
        button.cMouseAction(shown);
        button.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_StateChangeAndRepaint);

void BM_CutStrip(benchmark::State& state)
{
    iButton button;
    button.setStyle(1);
    const QPixmap strip = Strip(6);
    for (auto _ : state)
        button.setBackPicture(strip);
}
BENCHMARK(BM_CutStrip);

}

int main(int argc, char** argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}
