#include "tests/support/AppFolder.h"

#include "shell/GlobalSettings.h"
#include "shell/SubMain.h"

#include <QDir>
#include <QFile>

void UseAppFolder(const QString& folder, const QString& siteBase)
{
    SetGlobalSettings(SubMain::MakeGlobalSettings(folder, siteBase));
}

TemporaryAppFolder::TemporaryAppFolder(Skin skin, const QString& siteBase)
{
    m_valid = m_dir.isValid();
    if (m_valid && skin == Skin::Built) {
        m_valid = QFile::link(QStringLiteral(TAVOLIN_APP_DIR "/Skin"), m_dir.filePath(QStringLiteral("Skin")))
            && QFile::link(QStringLiteral(TAVOLIN_APP_DIR "/ruffle"), m_dir.filePath(QStringLiteral("ruffle")))
            && QDir(m_dir.path()).mkpath(QStringLiteral("Jpgs")) && QDir(m_dir.path()).mkpath(QStringLiteral("Games"));
        for (const char* movie : {"1.swf", "2.swf"})
            QFile::copy(QStringLiteral(TAVOLIN_APP_DIR "/Games/") + QLatin1String(movie),
                        m_dir.filePath(QStringLiteral("Games/")) + QLatin1String(movie));
    }
    UseAppFolder(m_dir.path(), siteBase);
}
