#pragma once

#include <QString>

// The file name (without extension) under which a game's files are kept, e.g. its
// thumbnail "Jpgs/" + GameFileName(name) + ".jpg".
//
// An ordinary name only loses its spaces ("Fire Boy 2" -> "FireBoy2"), as thumbnails
// saved so far rely on. A name that could reach outside its folder or is no usable
// file name is made safe: separators and control characters become "_", so do the
// dots a name starts with, and a name longer than GameFileNameMaxBytes of UTF-8 is
// cut at a character boundary. Such a name, and an empty one, ends in "~" and a short
// hash of the name, so that two of them do not share one file. The result depends
// only on the name without its spaces.
inline constexpr int GameFileNameMaxBytes = 200;
QString GameFileName(const QString& gameName);
