#pragma once

#include "pages/PageCommand.h"
#include "web/SitePage.h"

#include <QList>

#include <functional>

// The commands one page form understands, each word with the number of fields its
// action reads. Words compare exactly (case-sensitive). A command with fewer fields
// than its row is never acted on; more fields than needed are ignored.
class PageCommandTable {
public:
    using Action = std::function<void(const QStringList& fields)>;
    enum class Outcome { Done, UnknownWord, MissingFields };

    void add(const QString& word, int fieldCount, Action action);
    Outcome dispatch(const PageCommand& command) const;
    // How many fields `word` needs; -1 for a word the table does not know.
    int fieldCount(const QString& word) const;
    // Dispatches `command` and says what the user is to be told: nothing when it was
    // carried out, `unknownWordText` for a word the table does not know, which fields
    // were missing otherwise.
    QString carryOut(const PageCommand& command, const QString& unknownWordText) const;

private:
    struct Row {
        QString word;
        int fieldCount;
        Action action;
    };
    QList<Row> m_rows;
};

// A page form's new-window handler (for CreateSiteView): a link whose address holds
// a page command is taken, so no window opens, and handed to `dispatch`; any other
// link is left to the web page.
SitePage::NewWindowHandler TakePageCommands(std::function<void(const PageCommand&)> dispatch);
