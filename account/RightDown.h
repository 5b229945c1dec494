#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>

class QWebEngineProfile;
class QWebEngineView;
class iButton;

// The corner pop-up: a small notice showing the site's advertisement page in the
// bottom-right corner of the work area, above every other window. It never takes the
// keyboard focus, so whoever is typing elsewhere goes on typing. It goes by itself
// after LifetimeMs, or by its close button.
class RightDown : public QWidget {
    Q_OBJECT
public:
    static constexpr int FormWidth = 310;
    static constexpr int FormHeight = 200;
    static constexpr int LifetimeMs = 15000;

    explicit RightDown(QWebEngineProfile* profile);

    // Top-left corner of a window of `size` in the bottom-right corner of `workArea`.
    static QPoint CornerPosition(const QRect& workArea, QSize size);

    // Places itself and shows without activating.
    void showInCorner();

    QWebEngineView* WB() const { return m_wb; }
    iButton* W_Close() const { return m_wClose; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_background;
    QWebEngineView* m_wb = nullptr;
    iButton* m_wClose = nullptr;
    QTimer m_timerClose;
};
