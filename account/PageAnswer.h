#pragma once

#include <QString>

// The site's account and update services answer with a page whose text is the answer.
// The services were written against a browser that gives the page's markup with upper
// case tag names; this is how their one-line answer is read out of it.

// `markup` with every tag name in upper case ("<body>" becomes "<BODY>").
QString UpperCaseTagNames(const QString& markup);

// The answer in a page's markup (upper case tag names): every "<", ">", "/", then the
// words "HEAD", "BODY" and "HTML" (upper case only), then line feeds, carriage returns,
// tabs and spaces taken out, in that order. A page holding "0" gives "0"; a sentence
// comes back without its spaces.
QString PageAnswerText(const QString& markup);
