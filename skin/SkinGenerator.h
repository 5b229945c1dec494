#pragma once

#include "skin/SkinCatalogue.h"

#include <QByteArray>
#include <QString>

// Paints and encodes the default skin.
namespace SkinGenerator {
// The file's bytes in its format. Fails (empty result, `error` set) when the painted
// picture does not have the size and frame count the catalogue promises.
QByteArray Encode(const SkinFile& file, QString* error);
// Writes every catalogue file below `skinFolder`, creating sub-folders; files whose
// bytes did not change are not rewritten.
bool WriteAll(const QString& skinFolder, QString* error);
// The program's icon for the desktop's launcher, as the icon theme lays it out:
// "`folder`/NxN/apps/`name`.png" for every size a theme expects.
bool WriteThemeIcons(const QString& folder, const QString& name, QString* error);
// Writes `bytes` to `path`, making its folder, unless the file already holds them, so
// that a build which changed nothing leaves the file's time alone.
bool WriteIfChanged(const QString& path, const QByteArray& bytes, QString* error);
}
