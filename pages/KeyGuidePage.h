#pragma once

#include <QStringList>

// The keyboard guide page of a game, without a window. The site supplies the game's
// introduction as a ready HTML fragment whose classes (game_keyboard, ico_key,
// ico_c_*) a fixed style sheet draws from one sprite in the skin folder.

// The sprite's file in the application folder ("\" read as "/").
QString KeyGuideSpriteFile(const QString& appFolder);
// The sprite's absolute file address, escaped so that it stands unquoted in a style
// sheet's url(): a folder with blanks, brackets or quotes still finds the sprite.
QString KeyGuideSpriteAddress(const QString& appFolder);
// The introduction as the page shows it: "%20" as a blank, then escaped UTF-8
// sequences decoded; anything else, a stray "%" included, is kept as it is.
QString KeyGuideFragment(const QString& introduction);
// The page, one entry per written line, in writing order.
QStringList KeyGuidePageLines(const QString& introduction, const QString& appFolder);
// The document those lines make: each line followed by a line break.
QString KeyGuidePageText(const QString& introduction, const QString& appFolder);
