#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QWebEngineProfile;
class SiteAnswerRequest;

// The registration window: a borderless window owned by the main frame in which the
// user creates an account on the site. The fields are checked here, every fault shown
// at once beside its field; the site decides the rest and its answer shows below.
// Nothing is stored: on success the site has logged the new user in.
class U_Regedit : public QWidget {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 401;
    static constexpr int WindowHeight = 348;

    U_Regedit(QWebEngineProfile* profile, QWidget* owner);

    // The code the user has to type; drawn when the window opens and on a click on it.
    QString code() const { return m_code; }

signals:
    // The site took the registration; the window closes.
    void registered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawCode();
    void submit();
    void showAnswer(const QString& answer);
    QLineEdit* addField(const char* name, const QString& caption, int row, int width);
    QLabel* addStatus(const char* name, const QString& prompt, int row);

    SiteAnswerRequest* m_request;
    QPixmap m_background;
    QString m_code;
    QLineEdit* m_userName;
    QLineEdit* m_password;
    QLineEdit* m_passwordAgain;
    QLineEdit* m_email;
    QLineEdit* m_codeInput;
    QLabel* m_userNameStatus;
    QLabel* m_passwordStatus;
    QLabel* m_passwordAgainStatus;
    QLabel* m_emailStatus;
    QLabel* m_codeStatus;
    QLabel* m_codeLabel;
    QLabel* m_error;
};
