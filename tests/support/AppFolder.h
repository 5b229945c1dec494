#pragma once

#include <QString>
#include <QTemporaryDir>

// Makes `folder` the application folder of the settings record (its catalogue under
// the usual name), with `siteBase` as the site when one is given.
void UseAppFolder(const QString& folder, const QString& siteBase = QString());

// A fresh application folder for one test: empty, or with the built skin and player
// linked in, the shipped movies and no games or thumbnails. It becomes the settings record's folder at once.
class TemporaryAppFolder {
public:
    enum class Skin { None, Built };
    explicit TemporaryAppFolder(Skin skin = Skin::None, const QString& siteBase = QString());

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};
