#include "tabs/TabAtlas.h"

#include "shell/SkinPath.h"
#include "tabs/mdlTabAPI.h"
#include "tabs/TabError.h"

QString TabAtlas::FileName(TabSkinFormat format, int style)
{
    const QString base = style == 0 ? QStringLiteral("MainMenu") : QStringLiteral("CorvaneMenu");
    return base + (format == TabSkinFormat::Png ? QStringLiteral(".png") : QStringLiteral(".bmp"));
}

QImage TabAtlas::Load(TabSkinFormat format, int style, const QString& appFolder)
{
    const QString path = SkinPathIn(appFolder, FileName(format, style));
    const QImage picture(path);
    if (format == TabSkinFormat::Png)
        return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        throw TabError(53, QStringLiteral("File not found: ") + path);
    return mdlTabAPI::ColourKeyed(picture, QColor(255, 0, 255));
}
