#pragma once

#include "controls/WindowDrag.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <memory>

class BForm;
class cSetStyle;
class iButton;
class QLabel;
class QWebEngineProfile;
class uTab;

// The game browser's window: a skinned, resizable frame with a tab strip in its title
// area, one web page per tab, four title buttons and a tool bar that can be shown at
// the bottom. Each address gets its own tab; an address that has one selects it.
class WebMainFrm : public QWidget {
    Q_OBJECT
public:
    WebMainFrm(QWebEngineProfile* profile, const QString& siteBase, QWidget* parent = nullptr);
    ~WebMainFrm() override;

    // Opens the first page and starts drawing the strip.
    void Start(const QString& address);
    // The one way pages are opened: select the address's tab, or open one at the end.
    void OpenPage(const QString& address);
    // An address handed over by the main program: a minimised window comes back.
    void ExecuteAddress(const QString& address);

    uTab* WebuTab() const { return m_strip; }
    QWidget* pCnt() const { return m_container; }
    QWidget* Pic_Btn() const { return m_toolBar; }
    iButton* button(const QString& name) const;
    bool isMaximised() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    iButton* makeButton(QWidget* parent, const QString& name, const QString& skinFile, int style);
    void buildStrip();
    void buildTitleButtons();
    void buildToolBar();
    void applyLayout();
    void web_minmax_Click();
    void web_tool_Click();
    void stripMouseDown(int index, Qt::MouseButtons button, QPoint global);

    QWebEngineProfile* m_profile;
    QString m_siteBase;
    std::unique_ptr<cSetStyle> m_objStyle;
    BForm* m_title = nullptr;
    uTab* m_strip = nullptr;
    QWidget* m_container = nullptr;
    QWidget* m_toolBar = nullptr;
    QLabel* m_toolLeft = nullptr;
    QLabel* m_toolRight = nullptr;
    QLabel* m_logo = nullptr;
    // The strip's free area drags the window.
    WindowDrag m_drag;
};
