#pragma once

#include <QString>

class QWebEngineProfile;

// The program's one web profile: persistent, named, stored below the user's data folder
// by an absolute path (a relative one makes storage access hang), so that every view of
// the program shares cookies and cache. Each program uses its own name: two processes
// must never open the same storage.
QWebEngineProfile* NamedWebProfile(const QString& name);
