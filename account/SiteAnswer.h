#pragma once

#include <QString>

// The one-line replies of the site's account services, read out of the page that
// carries them.

// A script that gives the loaded document as markup with upper-case HTML, HEAD and
// BODY tags, the form the cleaning rule expects (the engine reports them in lower case).
extern const char SiteAnswerScript[];

// The reply in `markup`: every "<", ">", "/", "HEAD", "BODY", "HTML", line break, tab
// and space deleted, in that order.
QString CleanSiteAnswer(const QString& markup);

// The number of characters of `text`, without a limit.
qsizetype Lenstr(const QString& text);

// What the status line shows for a reply other than "0": the reply itself, or the
// timeout text when the page was no reply of the service (longer than 1000
// characters, as a browser error page is, or empty).
QString SiteAnswerFailureText(const QString& answer);
