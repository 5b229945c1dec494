#pragma once

#include <QDialog>
#include <QImage>

class QCheckBox;
class QWebEngineProfile;
class iButton;

// The settings window: start with the desktop session, let the main frame's close
// button hide the window, and clear the browser cache. The two options are read when
// it opens and written only by Btn_Close; W_Close (and Escape) close without saving.
// A write that fails is reported through writeFailed and the window closes all the same.
class Install : public QDialog {
    Q_OBJECT
public:
    static constexpr int FormWidth = 421;
    static constexpr int FormHeight = 323;
    // Where it opens over its owner, in twips (15 to the pixel).
    static constexpr int OffsetLeftTwips = 2860;
    static constexpr int OffsetTopTwips = 2000;

    // `programPath` is the program the autostart entry starts.
    Install(QWebEngineProfile* profile, const QString& programPath, QWidget* owner);

    QCheckBox* Chk_Run() const { return m_chkRun; }
    QCheckBox* CHK_Close() const { return m_chkClose; }
    iButton* Btn_Close() const { return m_btnClose; }
    iButton* W_Close() const { return m_wClose; }
    iButton* iBtn_PurgeBtn() const { return m_purge; }

signals:
    // Some setting could not be written; `text` says which and why.
    void writeFailed(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void save();

    QWebEngineProfile* m_profile;
    QString m_programPath;
    QImage m_background;
    QCheckBox* m_chkRun = nullptr;
    QCheckBox* m_chkClose = nullptr;
    iButton* m_btnClose = nullptr;
    iButton* m_wClose = nullptr;
    iButton* m_purge = nullptr;
};
