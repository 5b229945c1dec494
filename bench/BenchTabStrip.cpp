// The tab strip's figures: a full redraw of a strip with 50 tabs (background, every
// head, caption and glyph, then the one copy a paint makes), the tab-only redraw a
// hover change causes, and the hit test behind every mouse move.
#include "bench/BenchSupport.h"
#include "tests/support/AppFolder.h"
#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/ITabForm.h"
#include "tabs/TabLayout.h"
#include "tabs/uTab.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int TabCount = 50;

class Page : public QWidget, public ITabForm {
public:
    QWidget* hwnd() override { return this; }
};

// Atlases like the shipped ones: shaded heads with rounded top corners, four glyphs.
QImage Atlas(int style)
{
    const int headWidth = style == 0 ? 122 : 124;
    const int headHeight = style == 0 ? 25 : 26;
    const int firstGlyph = 1 + 3 * headWidth;
    QImage atlas(firstGlyph + 48, style == 0 ? 25 : 28, QImage::Format_ARGB32);
    atlas.fill(Qt::transparent);
    QPainter p(&atlas);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient column(0, 0, 0, atlas.height());
    column.setColorAt(0, QColor(60, 140, 210));
    column.setColorAt(1, QColor(30, 100, 180));
    p.fillRect(0, 0, 1, atlas.height(), column);
    for (int i = 0; i < 3; ++i) {
        QLinearGradient head(0, 0, 0, headHeight);
        head.setColorAt(0, QColor(250, 252, 255));
        head.setColorAt(1, QColor(200 + 15 * i, 220, 240));
        p.setBrush(head);
        p.setPen(QColor(90, 130, 180));
        p.drawRoundedRect(QRectF(1 + i * headWidth + 0.5, 2.5, headWidth - 1, headHeight), 4, 4);
    }
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(80 + 40 * i, 60, 60), 2));
        p.drawLine(firstGlyph + i * 12 + 3, 3, firstGlyph + i * 12 + 9, 9);
        p.drawLine(firstGlyph + i * 12 + 9, 3, firstGlyph + i * 12 + 3, 9);
    }
    return atlas;
}

QTemporaryDir& appFolder()
{
    static QTemporaryDir dir;
    static bool written = false;
    if (!written) {
        const QString skin = dir.path() + QStringLiteral("/Skin/DefaultSkin/");
        QDir().mkpath(skin);
        Atlas(0).save(skin + QStringLiteral("MainMenu.png"));
        Atlas(1).save(skin + QStringLiteral("CorvaneMenu.png"));
        UseAppFolder(dir.path());
        written = true;
    }
    return dir;
}

// A strip of the main frame's width (menu style) or a wide browser strip.
std::unique_ptr<uTab> Strip(int style)
{
    appFolder();
    auto strip = std::make_unique<uTab>(TabSkinFormat::Png);
    strip->SetTabStyle(style);
    strip->SetTabLeftSize(style == 0 ? 0 : 40);
    strip->resize(style == 0 ? 660 : 1200, TabLayout::StripHeight(style));
    for (int i = 0; i < TabCount; ++i)
        strip->TabItems()->Add(QStringLiteral("游戏 Game %1").arg(i), new Page);
    strip->LockReDraw(false);
    strip->SetSelected(TabCount / 2);
    return strip;
}

void FullRedraw50Tabs(benchmark::State& state)
{
    const auto strip = Strip(int(state.range(0)));
    QImage screen(strip->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        strip->Refresh();
        QPainter p(&screen);
        p.drawImage(0, 0, strip->Frame());
    }
    state.SetLabel(state.range(0) == 0 ? "menu style, 660 px" : "browser style, 1200 px");
}
BENCHMARK(FullRedraw50Tabs)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void HoverRedraw50Tabs(benchmark::State& state)
{
    const auto strip = Strip(int(state.range(0)));
    const auto tabX = [&](int i) {
        const auto tab = strip->TabItems()->Item(i);
        return double(strip->TabLeftSize() + tab->Left() + tab->Width() / 2);
    };
    const QPointF a(tabX(10), 12), b(tabX(11), 12);
    bool toA = true;
    for (auto _ : state) {
        const QPointF at = toA ? a : b;
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(strip.get(), &move);
        toA = !toA;
    }
    state.SetLabel(state.range(0) == 0 ? "menu style, 660 px" : "browser style, 1200 px");
}
BENCHMARK(HoverRedraw50Tabs)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void LayoutAndHitTest50Tabs(benchmark::State& state)
{
    TabLayout layout;
    layout.StripWidth = 660;
    layout.TabLeftSize = 0;
    std::vector<TabSlot> tabs(TabCount);
    int x = 0;
    for (auto _ : state) {
        layout.Arrange(tabs, layout.TabWidth(tabs));
        benchmark::DoNotOptimize(layout.HitTest(tabs, x, 12));
        x = (x + 37) % 660;
    }
}
BENCHMARK(LayoutAndHitTest50Tabs)->Unit(benchmark::kNanosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}
