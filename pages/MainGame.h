#pragma once

#include "tabs/ITabForm.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QWebEngineProfile;
class QWebEngineView;
class iButton;

// The game finder page: the site's game lists in an embedded browser under a bar of
// four category buttons and a search box.
class MainGame : public QWidget, public ITabForm {
    Q_OBJECT
public:
    static constexpr int BarHeight = 40;

    explicit MainGame(QWebEngineProfile* profile, QWidget* parent = nullptr);
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectCategory(int index);
    void showPrompt();

    IuTab* m_strip = nullptr;
    QLabel* m_picBtnBg = nullptr;
    QList<iButton*> m_categories;
    iButton* m_btnSearch = nullptr;
    QLineEdit* m_txtSearch = nullptr;
    QWebEngineView* m_wb = nullptr;
    QString m_lastPageUrl;
};
