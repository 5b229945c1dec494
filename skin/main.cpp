// Writes the default skin into the application folder.
//   skin-generator <skin folder> [--contact-sheet <png file>]
//   skin-generator --list          prints the table of skin files
//   skin-generator --movies <games folder>   writes the shipped movies 1.swf and 2.swf
//   skin-generator --icons <folder> <name>   writes the launcher icon in the icon theme's layout

#include "skin/ContactSheet.h"
#include "skin/ShippedMovies.h"
#include "skin/SkinGenerator.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    // Text must rasterise the same way on every run, with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() == 2 && args[1] == QLatin1String("--list")) {
        QTextStream out(stdout);
        const char* formats[] = {"PNG", "BMP", "BMP 32-bit alpha", "GIF", "ICO", "CUR"};
        out << "| File | Format | Size | Frames | Used by | Placement |\n|---|---|---|---|---|---|\n";
        for (const SkinFile& f : SkinFiles()) {
            const QString frames = f.animationFrames > 1 ? QStringLiteral("%1 animation frames").arg(f.animationFrames)
                                 : f.cells > 1          ? QStringLiteral("%1 x %2 px").arg(f.cells).arg(f.size.width() / f.cells)
                                                        : QStringLiteral("1");
            out << "| " << f.path << " | " << formats[int(f.format)] << " | " << f.size.width() << " x " << f.size.height()
                << " | " << frames << " | " << f.usedBy << " | " << f.placement << " |\n";
        }
        return 0;
    }
    QString error;
    if (args.size() == 3 && args[1] == QLatin1String("--movies")) {
        if (ShippedMovies::WriteAll(args[2], &error))
            return 0;
        err << "skin-generator: " << error << "\n";
        return 1;
    }
    if (args.size() == 4 && args[1] == QLatin1String("--icons")) {
        if (SkinGenerator::WriteThemeIcons(args[2], args[3], &error))
            return 0;
        err << "skin-generator: " << error << "\n";
        return 1;
    }
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--contact-sheet"))) {
        err << "usage: skin-generator <skin folder> [--contact-sheet <png file>] | --list | --movies <games folder> | --icons <folder> <name>\n";
        return 2;
    }
    if (!SkinGenerator::WriteAll(args[1], &error)) {
        err << "skin-generator: " << error << "\n";
        return 1;
    }
    if (args.size() == 4 && !ComposeContactSheet(args[1]).save(args[3], "PNG")) {
        err << "skin-generator: cannot write " << args[3] << "\n";
        return 1;
    }
    return 0;
}
