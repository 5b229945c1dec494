#include "controls/CursorFile.h"

#include <QFile>
#include <QPixmap>

QCursor CursorFromFile(const QString& path)
{
    QFile file(path);
    const QPixmap picture(path, "CUR");
    if (picture.isNull() || !file.open(QIODevice::ReadOnly))
        return QCursor(Qt::PointingHandCursor);
    const QByteArray head = file.read(14);
    if (head.size() < 14)
        return QCursor(Qt::PointingHandCursor);
    const auto word = [&head](int at) { return int(uchar(head[at])) | int(uchar(head[at + 1])) << 8; };
    return QCursor(picture, word(10), word(12));
}
