#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>

// The bytes of a file, or a marker that cannot be a catalogue's content.
inline QByteArray FileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline bool OverwriteFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

// Every file, folder and link below `folder`, a file with a digest of its bytes: what a
// program left there.
inline QMap<QString, QByteArray> FolderSnapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(path, QFileInfo(path).isFile()
                                 ? QCryptographicHash::hash(FileContent(path), QCryptographicHash::Sha1).toHex()
                                 : QByteArray("folder or link"));
    }
    return entries;
}
