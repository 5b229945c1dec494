#include "account/Autostart.h"

#include "shell/GlobalSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Autostart {

namespace {

const QString Group = QStringLiteral("[Desktop Entry]");

// The value of `key` in the entry's main group, with the string escapes undone.
QString Value(const QString& entryText, const QString& key)
{
    bool inGroup = false;
    for (const QString& rawLine : entryText.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == Group;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || equals < 0 || line.left(equals).trimmed() != key)
            continue;
        const QString raw = line.mid(equals + 1).trimmed();
        QString value;
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != QLatin1Char('\\') || i + 1 == raw.size()) {
                value += raw[i];
                continue;
            }
            const QChar next = raw[++i];
            switch (next.unicode()) {
            case 's': value += QLatin1Char(' '); break;
            case 'n': value += QLatin1Char('\n'); break;
            case 't': value += QLatin1Char('\t'); break;
            case 'r': value += QLatin1Char('\r'); break;
            default: value += next; break; // "\\" and anything unknown
            }
        }
        return value;
    }
    return {};
}

// The first argument of an Exec value, by the rules of desktop entries: literal percent
// signs are doubled anywhere, and inside double quotes a backslash escapes four characters.
QString FirstArgument(QString exec)
{
    exec.replace(QStringLiteral("%%"), QStringLiteral("%"));
    const QString escaped = QStringLiteral("\"`$\\");
    QString argument;
    if (exec.startsWith(QLatin1Char('"'))) {
        for (qsizetype i = 1; i < exec.size(); ++i) {
            const QChar c = exec[i];
            if (c == QLatin1Char('"'))
                return argument;
            if (c == QLatin1Char('\\') && i + 1 < exec.size() && escaped.contains(exec[i + 1]))
                argument += exec[++i];
            else
                argument += c;
        }
        return {}; // unterminated quote: not a usable command
    }
    return exec.section(QLatin1Char(' '), 0, 0);
}

} // namespace

QString EntryPath(const QString& programPath)
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config + QStringLiteral("/autostart/") + QFileInfo(programPath).completeBaseName()
           + QStringLiteral(".desktop");
}

QString EntryText(const QString& programPath)
{
    // Always quoted, so blanks and shell characters in the folder stay part of the path;
    // the Exec rule escapes four characters, the string rule then escapes backslashes
    // and line breaks, and a percent sign is doubled to stay literal.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\t'), QStringLiteral("\\t"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('%'), QStringLiteral("%%"));
    return Group + QStringLiteral("\nType=Application\nName=") + Settings().AppTitle + QStringLiteral("\nExec=\"")
           + quoted + QStringLiteral("\"\nTerminal=false\nX-GNOME-Autostart-enabled=true\n");
}

QString StartedProgram(const QString& entryText)
{
    if (Value(entryText, QStringLiteral("Hidden")) == QLatin1String("true"))
        return {};
    return FirstArgument(Value(entryText, QStringLiteral("Exec")));
}

bool IsOn(const QString& programPath)
{
    QFile entry(EntryPath(programPath));
    if (!entry.open(QIODevice::ReadOnly))
        return false;
    return StartedProgram(QString::fromUtf8(entry.readAll())) == programPath;
}

QString Set(const QString& programPath, bool on)
{
    const QString path = EntryPath(programPath);
    if (!on) {
        QFile entry(path);
        if (!entry.exists() || entry.remove())
            return {};
        return QStringLiteral("无法删除开机启动项 %1：%2").arg(QDir::toNativeSeparators(path), entry.errorString());
    }
    const QString failed = QStringLiteral("无法写入开机启动项 %1：%2");
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return failed.arg(QDir::toNativeSeparators(path), QStringLiteral("无法创建文件夹 %1").arg(folder));
    QSaveFile entry(path);
    if (!entry.open(QIODevice::WriteOnly))
        return failed.arg(QDir::toNativeSeparators(path), entry.errorString());
    entry.write(EntryText(programPath).toUtf8());
    if (!entry.commit())
        return failed.arg(QDir::toNativeSeparators(path), entry.errorString());
    return {};
}

} // namespace Autostart
