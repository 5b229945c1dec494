#pragma once

#include <QString>

// Which folder holds what. The application folder (Settings().AppPath) keeps what the
// program ships: programs, skin, Ruffle, the movies "Games/1.swf" and "Games/2.swf" and
// the empty catalogue. The user's folder (Settings().UserPath) keeps the catalogue in
// use, the downloaded movies ("Games/") and the thumbnails ("Jpgs/"). Both folders end
// in "/".
namespace UserFiles {

// The user's folder for `appFolder`: the application folder itself while the program
// may write there (a build, or a copy unpacked in a home folder), so a catalogue that
// sits there stays in use; otherwise "tavolin/" below `dataHome`, the user's data folder.
QString UserFolderFor(const QString& appFolder, bool appFolderWritable, const QString& dataHome);

// Whether this process may make and replace files in `folder`.
bool IsWritableFolder(const QString& folder);

// The user's folder for `appFolder` as this process sees it, in the desktop's data folder.
QString UserFolderOf(const QString& appFolder);

// Makes a user's folder that is not the application folder ready: the folder made and the
// shipped empty catalogue copied into it, unless a catalogue is there already. The copy
// is the user's own, readable by them only (it may hold remembered passwords).
// Returns what failed, or an empty string.
QString PrepareUserFolder(const QString& appFolder, const QString& userFolder);

// A movie the program ships, "Games/`fileName`" in the application folder.
QString ShippedMovie(const QString& fileName);

} // namespace UserFiles
