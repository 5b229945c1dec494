#pragma once

#include <QObject>
#include <QWidget>

#include <vector>

// Hooks whole windows: every event of a hooked widget is raised as MsgCome after the
// widget's own handling (before = false, result = the event's accepted flag, see
// CSubclass). Widgets stay hooked until this object ends. Reports nothing.
class cFormSubclass : public QObject {
    Q_OBJECT
public:
    explicit cFormSubclass(QObject* parent = nullptr);
    ~cFormSubclass() override;

    // The hook's entry point: raises MsgCome with the same values.
    void zSubclass_Proc(bool before, bool& handled, qint32& result, QWidget* window, int message, QEvent* event);
    // Hooks the widget for all messages, after its own handling; true.
    bool AddWindowMsgs(QWidget* window);
    // Widgets are unhooked only when this object ends: does nothing and answers false.
    bool DeleteWindowMsg(QWidget* window);

signals:
    void MsgCome(bool before, bool& handled, qint32& result, QWidget* window, int message, QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QWidget*> m_windows;
};
