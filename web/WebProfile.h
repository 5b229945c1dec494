#pragma once

#include <QString>

class QObject;
class QWebEngineProfile;

// A program's one web profile: persistent, named, stored below the user's data folder
// by an absolute path (a relative one makes storage access hang), so that every view of
// the program shares cookies and cache. The program's application object makes it once
// and hands it to every view. Each program uses its own name: two processes must never
// open the same storage.
QWebEngineProfile* CreateNamedWebProfile(const QString& name, QObject* owner);
