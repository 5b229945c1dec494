#pragma once

#include <QCursor>
#include <QString>

// A mouse pointer from a ".cur" file, its hot spot read from the file; the system's
// hand when the file cannot be read.
QCursor CursorFromFile(const QString& path);
