#pragma once

#include "pages/DownloadJob.h"
#include "pages/PageCommandBridge.h"
#include "tabs/ITabForm.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QWebEngineProfile;
class MainMe;
class QWebEngineView;
class iButton;

// The game finder page: the site's game lists in an embedded browser under a bar of
// four category buttons and a search box. Its links open a game's download page in a
// tab ("openTable") or catalogue and run a web game ("WebTable").
class MainGame : public QWidget, public ITabForm {
    Q_OBJECT
public:
    static constexpr int BarHeight = 40;

    // `myBox` runs and lists the games this page catalogues; it may be null.
    MainGame(QWebEngineProfile* profile, MainMe* myBox, QWidget* parent = nullptr);
    ~MainGame() override;

    QWidget* hwnd() override { return this; }
    void Initialize(IuTab* strip, const std::shared_ptr<CTabItem>& tab) override;

    QWebEngineView* view() const { return m_wb; }
    QLineEdit* searchBox() const { return m_txtSearch; }
    iButton* categoryButton(int index) const { return m_categories.at(index); }
    iButton* searchButton() const { return m_btnSearch; }
    // Address of the last document that finished loading.
    QString LastPageUrl() const { return m_lastPageUrl; }

    // The search: a click on the search button or Enter in the box.
    void CmdSearch_Click();

    // The box's prompt, shown in grey while nothing was typed.
    static QString SearchPrompt();

signals:
    // Something the user should read: an unknown command, a failed web game.
    void refused(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void carryOut(const PageCommand& command);
    void openTable(const QStringList& fields);
    void webTable(const QStringList& fields);
    void webGameFinished(const FinishOutcome& outcome);
    void selectCategory(int index);
    void showPrompt();

    QWebEngineProfile* m_profile;
    MainMe* m_myBox;
    IuTab* m_strip = nullptr;
    PageCommandTable m_commands;
    // The web game job: the finder's own download control and the name it fetches for.
    DownloadJob m_webJob;
    QLabel* m_picBtnBg = nullptr;
    QList<iButton*> m_categories;
    iButton* m_btnSearch = nullptr;
    QLineEdit* m_txtSearch = nullptr;
    QWebEngineView* m_wb = nullptr;
    QString m_lastPageUrl;
};
