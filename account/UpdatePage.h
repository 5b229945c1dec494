#pragma once

#include <QString>
#include <QUrl>

// The site's update page, read without a window: its text is a decimal version, "|",
// and the download address with "\" for "/" and no scheme.

namespace UpdateText {
inline const QString Latest = QStringLiteral("您当前是最新版本！");
inline const QString Newer = QStringLiteral("您好，您的软件需要更新！");
inline const QString Failed = QStringLiteral("服务器连接失败！");
} // namespace UpdateText

// Whether a published version number is newer than this program; false for anything
// that is not a finite decimal number.
bool IsNewerVersion(const QString& published);

struct UpdateNews {
    enum class Kind { Latest, Newer, Unreadable };
    Kind kind = Kind::Unreadable;
    // Where the newer version is, for Newer; empty when the page names no usable address.
    QUrl download;
};

// What the page's cleaned text (CleanSiteAnswer) tells.
UpdateNews ReadUpdatePage(const QString& text);

// The message for what the page told.
QString UpdateMessage(UpdateNews::Kind kind);
