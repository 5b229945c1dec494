#pragma once

#include <QString>

// Where a game's files live below the user's folder (which ends in "/"), and
// where a site address points. My box, the player and the download pages all go
// through these, so a file put in place by one is found by the others.

// The thumbnails' folder, in whatever letter case it has on disk ("Jpgs/" when it
// does not exist yet), with a trailing "/".
QString ThumbnailFolder(const QString& userFolder);
// The movies' folder, "Games/", with a trailing "/".
QString MovieFolder(const QString& userFolder);
// A game's thumbnail and stored movie, named through the safe game-file name mapping.
QString ThumbnailFile(const QString& userFolder, const QString& gameName);
QString MovieFile(const QString& userFolder, const QString& gameName);

// An address from a site page: a full http(s) address is used as it is, anything
// else is taken as a path below `siteHome` (a doubled "/" is kept, as the site expects).
QString SiteAddress(const QString& address, const QString& siteHome);
