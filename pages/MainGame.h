#pragma once

#include "tabs/ITabForm.h"

#include <QWidget>

class QWebEngineProfile;
class QWebEngineView;

// The game finder page: the site's game lists in an embedded browser.
class MainGame : public QWidget, public ITabForm {
    Q_OBJECT
public:
    explicit MainGame(QWebEngineProfile* profile, QWidget* parent = nullptr);

    QWidget* hwnd() override { return this; }
    QWebEngineView* view() const { return m_wb; }

private:
    QWebEngineView* m_wb = nullptr;
};
