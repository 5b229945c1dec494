// Writes the database file that ships in the application folder, from the schema.
#include "store/DatabaseCycle.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DATABASE-FILE\n", argv[0]);
        return 2;
    }
    const QFileInfo target(QString::fromLocal8Bit(argv[1]));
    QFile::remove(target.absoluteFilePath());
    DatabaseCycle cycle(target.absolutePath(), target.fileName());
    if (!cycle.isOpen()) {
        std::fprintf(stderr, "cannot create %s: %s\n", argv[1], qPrintable(cycle.errorMessage()));
        return 1;
    }
    return 0;
}
