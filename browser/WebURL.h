#pragma once

#include "tabs/ITabForm.h"

#include <QWidget>

class QWebEngineProfile;
class QWebEngineView;

// The page of one game browser tab: a web view and nothing else. Its tab's caption
// follows the document's title.
class WebURL : public QWidget, public ITabForm {
    Q_OBJECT
public:
    explicit WebURL(QWebEngineProfile* profile, QWidget* parent = nullptr);

    QWidget* hwnd() override { return this; }
    void Initialize(IuTab* strip, const std::shared_ptr<CTabItem>& tab) override;
    // Goes straight to `address`; there is no start page in between.
    void OpenUrl(const QString& address);
    QWebEngineView* wb() const { return m_wb; }

signals:
    // A game page asked for a new window: the frame opens it as a tab of its own.
    void newPageRequested(const QString& address);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* m_picture = nullptr;
    QWebEngineView* m_wb = nullptr;
    std::weak_ptr<CTabItem> m_tab;
};
