// Loading My box with a large catalogue: the list query, the grid, and the first page
// drawn with its tiles composed from thumbnails on disk. Memory is read before and
// after paging through, to show it does not follow the number of thumbnails.
#include "bench/BenchSupport.h"
#include "store/GameFileName.h"
#include "pages/MyBoxGrid.h"
#include "pages/MyBoxPainter.h"
#include "pages/TileComposer.h"
#include "shell/GlobalSettings.h"
#include "store/Catalogue.h"
#include "store/DatabaseCycle.h"
#include "store/Statements.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int CatalogueSize = 10000;

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QString appFolder()
{
    static QTemporaryDir dir;
    static bool filled = false;
    if (!filled) {
        UseAppFolder(dir.path());
        QDir(dir.path()).mkpath(QStringLiteral("Jpgs"));
        QByteArray jpeg;
        {
            QImage thumbnail(120, 90, QImage::Format_RGB32);
            thumbnail.fill(QColor(41, 140, 211));
            QPainter p(&thumbnail);
            p.fillRect(10, 10, 60, 40, QColor(4, 96, 163));
            p.end();
            QFile out(dir.filePath(QStringLiteral("sample.jpg")));
            out.open(QIODevice::WriteOnly);
            thumbnail.save(&out, "JPG", 85);
            out.close();
            out.open(QIODevice::ReadOnly);
            jpeg = out.readAll();
        }
        DatabaseCycle cycle;
        cycle.exec(QStringLiteral("BEGIN"));
        for (int i = 0; i < CatalogueSize; ++i) {
            const QString name = QStringLiteral("游戏 %1").arg(i);
            cycle.exec(Statements::InsertSavedFlashGame(name, QString(), QString()));
            QFile file(dir.filePath(QStringLiteral("Jpgs/") + GameFileName(name) + QStringLiteral(".jpg")));
            file.open(QIODevice::WriteOnly);
            file.write(jpeg);
        }
        cycle.exec(QStringLiteral("COMMIT"));
        filled = true;
    }
    return dir.path() + QStringLiteral("/");
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

struct MyBox {
    TileComposer composer{filled({74, 74}, Qt::white), QImage(), appFolder() + QStringLiteral("Jpgs/")};
    MyBoxPainter painter{composer, filled({791, 550}, QColor(240, 244, 248)), filled({72, 18}, Qt::gray),
                         filled({74, 74}, Qt::blue)};
    MyBoxGrid grid;
    QImage picture{791, 550, QImage::Format_ARGB32_Premultiplied};

    // What the page does on load: the query, the entries, the first page drawn.
    void load()
    {
        composer.clear();
        grid.setGames(Catalogue::GameNames(Catalogue::GameList::OnLoad));
        QPainter p(&picture);
        painter.paint(p, grid, -1);
    }
};

void LoadMyBox10000(benchmark::State& state)
{
    MyBox box;
    for (auto _ : state)
        box.load();
}
BENCHMARK(LoadMyBox10000)->Unit(benchmark::kMillisecond);

void TurnPage(benchmark::State& state)
{
    MyBox box;
    box.load();
    int page = 0;
    for (auto _ : state) {
        box.grid.setCurrentPage(++page % box.grid.pageCount());
        QPainter p(&box.picture);
        box.painter.paint(p, box.grid, -1);
    }
}
BENCHMARK(TurnPage)->Unit(benchmark::kMillisecond);

void reportMemory()
{
    MyBox box;
    box.load();
    const long afterLoad = residentKilobytes();
    for (int page = 0; page < box.grid.pageCount(); ++page) {
        box.grid.setCurrentPage(page);
        QPainter p(&box.picture);
        box.painter.paint(p, box.grid, -1);
    }
    const long afterAllPages = residentKilobytes();
    std::printf("resident memory: %ld KiB after loading %d games, %ld KiB after drawing all %d pages "
                "(%d tiles cached at most)\n",
                afterLoad, CatalogueSize, afterAllPages, box.grid.pageCount(), TileComposer::CacheCapacity);
}

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv, reportMemory);
}
