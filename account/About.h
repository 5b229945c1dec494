#pragma once

#include <QWidget>

class Clock;

// The About box: the program's title and version, the copyright lines up to this
// year, and the studio's credit where the settings show it. Modal over its owner.
class About : public QWidget {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 419;
    static constexpr int WindowHeight = 256;

    About(const Clock& clock, QWidget* owner);

signals:
    // The box went away, by either of its buttons.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPixmap m_background;
};
