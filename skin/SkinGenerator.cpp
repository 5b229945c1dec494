#include "skin/SkinGenerator.h"

#include "skin/BmpWriter.h"
#include "skin/GifWriter.h"
#include "skin/IconWriter.h"
#include "skin/WindowArt.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace SkinGenerator {

QByteArray Encode(const SkinFile& file, QString* error)
{
    const QList<QImage> images = file.paint();
    const QSize painted = images.isEmpty() ? QSize() : images.last().size();
    const int expectedImages = file.format == SkinFormat::Ico ? 2 : file.animationFrames;
    if (images.size() != expectedImages || painted != file.size) {
        *error = QStringLiteral("%1: painted %2 picture(s) of %3 x %4, the catalogue says %5 of %6 x %7")
                     .arg(file.path).arg(images.size()).arg(painted.width()).arg(painted.height())
                     .arg(expectedImages).arg(file.size.width()).arg(file.size.height());
        return {};
    }
    switch (file.format) {
    case SkinFormat::Png: {
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        images.first().convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
        return out;
    }
    case SkinFormat::Bmp:
        return BmpWriter::Encode24(images.first());
    case SkinFormat::BmpAlpha:
        return BmpWriter::Encode32(images.first());
    case SkinFormat::Gif:
        return images.size() > 1 ? GifWriter::EncodeAnimation(images, 8) : GifWriter::Encode(images.first());
    case SkinFormat::Ico:
        return IconWriter::EncodeIcon(images);
    case SkinFormat::Cur:
        return IconWriter::EncodeCursor(images.first(), file.hotSpot);
    }
    return {};
}

bool WriteAll(const QString& skinFolder, QString* error)
{
    for (const SkinFile& file : SkinFiles()) {
        const QByteArray bytes = Encode(file, error);
        if (bytes.isEmpty())
            return false;
        if (!WriteIfChanged(QDir(skinFolder).filePath(file.path), bytes, error))
            return false;
    }
    return true;
}

bool WriteThemeIcons(const QString& folder, const QString& name, QString* error)
{
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        WindowArt::ProgramIcon(size).save(&buffer, "PNG");
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(folder).arg(size).arg(name);
        if (!WriteIfChanged(path, bytes, error))
            return false;
    }
    return true;
}

bool WriteIfChanged(const QString& path, const QByteArray& bytes, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        *error = QStringLiteral("%1: %2").arg(path, out.errorString());
        return false;
    }
    return true;
}

} // namespace SkinGenerator
