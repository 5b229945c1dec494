#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// A file that cannot be written even by root: the file system's immutable attribute,
// set with chattr and cleared again at the end of the object.
class ImmutableFile {
public:
    ImmutableFile() = default;
    ~ImmutableFile() { release(); }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    // False where the file system or the user's rights do not allow it.
    bool hold(const QString& file)
    {
        if (!chattr(QStringLiteral("+i"), file))
            return false;
        m_file = file;
        return true;
    }

    void release()
    {
        if (!m_file.isEmpty())
            chattr(QStringLiteral("-i"), m_file);
        m_file.clear();
    }

private:
    static bool chattr(const QString& change, const QString& file)
    {
        QProcess tool;
        tool.start(QStringLiteral("chattr"), {change, file});
        return tool.waitForFinished(5000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    }

    QString m_file;
};

// Another program holding a catalogue file: the sqlite3 command-line tool inside an
// open transaction, until release() or the end of the object, when the tool reads the
// end of its input, rolls back and quits.
class CatalogueLock {
public:
    enum class Kind {
        Exclusive, // nobody else reads or writes
        Writing,   // others still read, but cannot write
    };

    CatalogueLock() = default;
    ~CatalogueLock() { release(); }
    CatalogueLock(const CatalogueLock&) = delete;
    CatalogueLock& operator=(const CatalogueLock&) = delete;

    // True once the tool reports that its transaction holds the file.
    bool hold(const QString& file, Kind kind)
    {
        m_tool.start(QStringLiteral("sqlite3"), {file});
        if (!m_tool.waitForStarted(5000))
            return false;
        m_tool.write(kind == Kind::Exclusive ? "BEGIN EXCLUSIVE;\n" : "BEGIN IMMEDIATE;\n");
        m_tool.write("SELECT 'held';\n");
        QByteArray output;
        while (!output.contains("held")) {
            if (!m_tool.waitForReadyRead(5000))
                return false;
            output += m_tool.readAllStandardOutput();
        }
        return true;
    }

    void release()
    {
        if (m_tool.state() == QProcess::NotRunning)
            return;
        m_tool.closeWriteChannel();
        if (!m_tool.waitForFinished(5000))
            m_tool.kill();
        m_tool.waitForFinished();
    }

private:
    QProcess m_tool;
};
