#include "shell/SkinPath.h"

#include "shell/GlobalSettings.h"

#include <QDir>
#include <QFileInfo>

QString ResolveCaseInsensitive(const QString& folder, const QString& relativePath)
{
    QString path = QDir::cleanPath(folder);
    const QStringList parts = QString(relativePath).replace(QLatin1Char('\\'), QLatin1Char('/'))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool onDisk = true;
    for (const QString& part : parts) {
        QString match = part;
        if (onDisk && !QFileInfo::exists(path + QLatin1Char('/') + part)) {
            const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            const auto found = std::find_if(entries.begin(), entries.end(), [&](const QString& entry) {
                return entry.compare(part, Qt::CaseInsensitive) == 0;
            });
            if (found != entries.end())
                match = *found;
            else
                onDisk = false;
        }
        path += QLatin1Char('/') + match;
    }
    return path;
}

QString SkinPathIn(const QString& appFolder, const QString& name)
{
    return ResolveCaseInsensitive(appFolder, QStringLiteral("Skin/DefaultSkin/") + name);
}

QString SkinPath(const QString& name)
{
    return SkinPathIn(Settings().AppPath, name);
}
