#pragma once

#include "site/SiteGame.h"

#include <QString>
#include <QStringList>

// The link addresses through which the site's pages ask the launcher for work:
// "javascript:CALL_API('word','field|field|...')". Fields never hold "," or "|", at
// which the launcher splits; names keep their "(", ")" and "'", which the launcher
// deletes from the whole address.
namespace CommandLinks {

QString Command(const QString& word, const QStringList& fields);
// A game's name as the launcher records it: without "(", ")", "'", "," and "|".
QString Field(const QString& text);
// List pages: open the game's own page in a download tab captioned with its name.
QString OpenTable(const SiteGame& game, const QString& siteBase);
// A game's own page: download and play a Flash game.
QString FlashTable(const SiteGame& game, const QString& siteBase);
// Run a web game. On list pages the thumbnail is always a site path; on the game's
// own page it may be a full address.
QString WebTable(const SiteGame& game, const QString& siteBase, bool onListPage);
// The introduction: the keyboard guide's list of key pictures and what they do.
QString GuideFragment(const SiteGame& game);
// The introduction as carried in a command: blanks and characters outside ASCII
// escaped, so the address reads the same in every browser.
QString IntroductionField(const SiteGame& game);

} // namespace CommandLinks
