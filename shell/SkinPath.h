#pragma once

#include <QString>

// The path of a skin file: application folder + "Skin/DefaultSkin/" + name. Names use
// either separator and any letter case; each component is matched case-insensitively
// against what is on disk. A name that matches nothing keeps its spelling, so that the
// caller fails on that image.
QString SkinPath(const QString& name);
// The same below an explicit application folder.
QString SkinPathIn(const QString& appFolder, const QString& name);
// Case-insensitive look-up of a relative path below `folder`.
QString ResolveCaseInsensitive(const QString& folder, const QString& relativePath);
