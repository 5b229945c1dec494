#pragma once

#include <QImage>
#include <QPoint>
#include <QUrl>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWebEngineProfile;
class RememberedLogins;
class SiteAnswerRequest;
class iButton;

// The small login window. The request goes through a page of the program's profile that
// is never shown, so the site's login cookie reaches every page; the site's one-line
// reply is read out of the loaded document. On success the window keeps the password when asked,
// says so through `loggedIn` and closes.
class U_Login : public QWidget {
    Q_OBJECT
public:
    static constexpr int WindowWidth = 334;
    static constexpr int WindowHeight = 227;
    // From the owner's top left corner: 3500 and 2100 twips.
    static constexpr QPoint OffsetFromOwner{3500 / 15, 2100 / 15};

    U_Login(QWebEngineProfile* profile, RememberedLogins& remembered, QWidget* owner);

    QLineEdit* userNameBox() const { return m_txtUserName; }
    QLineEdit* passwordBox() const { return m_txtPassWord; }
    QCheckBox* keepLoggedInBox() const { return m_chkCookies; }
    QCheckBox* savePasswordBox() const { return m_chkSave; }
    iButton* loginButton() const { return m_btnGet; }
    iButton* cancelButton() const { return m_btnClose; }
    iButton* titleCloseButton() const { return m_wClose; }
    QLabel* registrationLink() const { return m_lbRegedit; }
    // The status line's text; it shows only while `statusShown`.
    QString statusText() const;
    bool statusShown() const;

signals:
    void loggedIn();
    void registrationRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFields();
    void buildButtons();
    void Btn_Get_Click();
    void WebBrowser1_DocumentComplete(const QString& answer);
    void txt_state_Change(const QString& answer);
    void txt_UserName_Change(const QString& text);
    void showStatus(const QString& text);
    void setFieldsEnabled(bool enabled);

    QWebEngineProfile* m_profile;
    RememberedLogins& m_remembered;
    QImage m_background;
    QLineEdit* m_txtUserName = nullptr;
    QLineEdit* m_txtPassWord = nullptr;
    QCheckBox* m_chkCookies = nullptr;
    QCheckBox* m_chkSave = nullptr;
    iButton* m_btnGet = nullptr;
    iButton* m_btnClose = nullptr;
    iButton* m_wClose = nullptr;
    QLabel* m_lbRegedit = nullptr;
    QLabel* m_picError = nullptr;
    QLabel* m_lbError = nullptr;
    SiteAnswerRequest* m_webBrowser1;
    QUrl m_request;
};
