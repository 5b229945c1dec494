#include "account/U_Login.h"

#include "account/LoginRequest.h"
#include "account/RememberedLogins.h"
#include "account/SiteAnswer.h"
#include "account/SiteAnswerRequest.h"
#include "controls/CursorFile.h"
#include "controls/WindowDrag.h"
#include "controls/WindowRegion.h"
#include "controls/iButton.h"
#include "shell/SkinPath.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWebEngineProfile>

#include <functional>

namespace {

// Inside the background picture: the title band is rows 0-29, the footer starts at y 181.
const QRect TitleRect(32, 0, 200, 30);
const QRect UserNameRect(104, 48, 180, 26);
const QRect PassWordRect(104, 84, 180, 26);
const QRect StatusStripRect(20, 148, 294, 24);
constexpr int StatusTextLeft = 26;
constexpr int FooterTop = 181;
constexpr int LabelLeft = 44;

const QColor TextColour(51, 51, 51);
const QColor QuietColour(128, 128, 128);
const QColor LinkColour(31, 95, 153);

const QString FieldStyle = QStringLiteral(
    "QLineEdit{border:1px solid #a9c4de;border-radius:2px;padding:0 6px;background:#fff;color:#333;"
    "selection-background-color:#2f86d0}"
    "QLineEdit:focus{border-color:#2f86d0}"
    "QLineEdit:disabled{background:#f1f4f8;color:#8a8a8a}");

QLabel* textLabel(const QString& text, const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->adjustSize();
    return label;
}

// A label that answers a left click on it.
class ClickLabel : public QLabel {
public:
    ClickLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
        : QLabel(text, parent)
        , m_onClick(std::move(onClick))
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

} // namespace

U_Login::U_Login(QWebEngineProfile* profile, RememberedLogins& remembered, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::FramelessWindowHint)
    , m_profile(profile)
    , m_remembered(remembered)
    , m_webBrowser1(new SiteAnswerRequest(profile, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("登录"));
    setFixedSize(WindowWidth, WindowHeight);
    m_background = QImage(SkinPath(QStringLiteral("Login_bg.gif")));
    if (owner)
        move(owner->pos() + OffsetFromOwner);
    DragByBackground(this);

    QLabel* title = textLabel(QStringLiteral("登录"), Qt::white, this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setGeometry(TitleRect);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    buildFields();
    buildButtons();

    // The status strip, shown while it has something to say.
    m_picError = new QLabel(this);
    m_picError->setPixmap(QPixmap(SkinPath(QStringLiteral("LoginError_bg.bmp"))));
    m_picError->setGeometry(StatusStripRect);
    m_lbError = textLabel(QString(), QColor(40, 92, 140), m_picError);
    m_lbError->setGeometry(StatusTextLeft, 0, StatusStripRect.width() - StatusTextLeft - 4, StatusStripRect.height());
    m_lbError->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_picError->hide();

    connect(m_webBrowser1, &SiteAnswerRequest::answered, this, &U_Login::WebBrowser1_DocumentComplete);
    // No page at all reads as the timeout, as an error page would.
    connect(m_webBrowser1, &SiteAnswerRequest::failed, this, [this] { WebBrowser1_DocumentComplete(QString()); });

    connect(&m_remembered, &RememberedLogins::found, this, [this](const QString& userName, const QString& password) {
        // An answer for a name the user has typed on from is not theirs any more.
        if (userName != m_txtUserName->text().trimmed())
            return;
        m_txtPassWord->setText(password);
        m_chkSave->setChecked(true);
    });

    RectRgn(this, WindowWidth, WindowHeight, 6);
}

void U_Login::buildFields()
{
    QLabel* nameLabel = textLabel(QStringLiteral("用户名："), TextColour, this);
    nameLabel->move(LabelLeft, UserNameRect.center().y() - nameLabel->height() / 2);
    QLabel* passwordLabel = textLabel(QStringLiteral("密　码："), TextColour, this);
    passwordLabel->move(LabelLeft, PassWordRect.center().y() - passwordLabel->height() / 2);

    m_txtUserName = new QLineEdit(this);
    m_txtUserName->setGeometry(UserNameRect);
    m_txtPassWord = new QLineEdit(this);
    m_txtPassWord->setGeometry(PassWordRect);
    m_txtPassWord->setEchoMode(QLineEdit::Password);
    for (QLineEdit* field : {m_txtUserName, m_txtPassWord}) {
        field->setStyleSheet(FieldStyle);
        field->installEventFilter(this);
        // Enter starts the login from either field.
        connect(field, &QLineEdit::returnPressed, this, &U_Login::Btn_Get_Click);
    }
    connect(m_txtUserName, &QLineEdit::textChanged, this, &U_Login::txt_UserName_Change);

    m_chkCookies = new QCheckBox(QStringLiteral("自动登录"), this);
    m_chkSave = new QCheckBox(QStringLiteral("记住密码"), this);
    m_chkCookies->move(UserNameRect.left(), PassWordRect.bottom() + 8);
    m_chkSave->move(UserNameRect.left() + 96, PassWordRect.bottom() + 8);
    for (QCheckBox* box : {m_chkCookies, m_chkSave}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, TextColour);
        box->setPalette(palette);
        box->adjustSize();
    }
    setTabOrder(m_txtUserName, m_txtPassWord);
    setTabOrder(m_txtPassWord, m_chkCookies);
    setTabOrder(m_chkCookies, m_chkSave);
}

void U_Login::buildButtons()
{
    const QPixmap closePicture(SkinPath(QStringLiteral("pop_close.bmp")));
    m_wClose = new iButton(this);
    m_wClose->setBackPicture(closePicture);
    m_wClose->move(WindowWidth - 26, 4);
    connect(m_wClose, &iButton::Click, this, &QWidget::close);

    const QPixmap buttonPicture(SkinPath(QStringLiteral("btn75_23.bmp")));
    m_btnGet = new iButton(this);
    m_btnClose = new iButton(this);
    int left = WindowWidth - 12;
    for (iButton* button : {m_btnClose, m_btnGet}) {
        button->setBackPicture(buttonPicture);
        button->setcForeColor(TextColour);
        left -= button->width();
        button->move(left, FooterTop + (WindowHeight - FooterTop - button->height()) / 2);
        left -= 10;
    }
    m_btnGet->setCaption(QStringLiteral("确 定"));
    m_btnClose->setCaption(QStringLiteral("取 消"));
    connect(m_btnGet, &iButton::Click, this, &U_Login::Btn_Get_Click);
    connect(m_btnClose, &iButton::Click, this, &QWidget::close);

    auto* registration = new ClickLabel(QStringLiteral("注册账号"), this, [this] {
        close();
        emit registrationRequested();
    });
    m_lbRegedit = registration;
    QPalette palette = registration->palette();
    palette.setColor(QPalette::WindowText, LinkColour);
    registration->setPalette(palette);
    QFont underlined = registration->font();
    underlined.setUnderline(true);
    registration->setFont(underlined);
    registration->adjustSize();
    registration->setCursor(CursorFromFile(SkinPath(QStringLiteral("Cur/harrow.cur"))));
    const int footerMiddle = FooterTop + (WindowHeight - FooterTop) / 2;
    registration->move(18, footerMiddle - registration->height() / 2);
    QLabel* forgotten = textLabel(QStringLiteral("忘记密码"), QuietColour, this);
    forgotten->move(registration->geometry().right() + 14, footerMiddle - forgotten->height() / 2);
}

QString U_Login::statusText() const
{
    return m_lbError->text();
}

bool U_Login::statusShown() const
{
    return m_picError->isVisible();
}

void U_Login::showStatus(const QString& text)
{
    m_lbError->setText(text);
    m_picError->show();
}

void U_Login::setFieldsEnabled(bool enabled)
{
    m_txtUserName->setEnabled(enabled);
    m_txtPassWord->setEnabled(enabled);
}

void U_Login::Btn_Get_Click()
{
    // A new attempt starts from a clear status line and open fields.
    m_lbError->clear();
    setFieldsEnabled(true);
    const QString prompt = LoginInputPrompt(m_txtUserName->text(), m_txtPassWord->text());
    if (!prompt.isEmpty()) {
        showStatus(prompt);
        return;
    }
    showStatus(QStringLiteral("系统登陆中..."));
    setFieldsEnabled(false);
    m_request = LoginRequestUrl(m_txtUserName->text(), m_txtPassWord->text(), m_chkCookies->isChecked());
    m_webBrowser1->send(m_request);
}

void U_Login::WebBrowser1_DocumentComplete(const QString& answer)
{
    // The request carries the password: it is not kept among the visited links.
    m_profile->clearVisitedLinks({m_request});
    txt_state_Change(answer);
}

void U_Login::txt_state_Change(const QString& answer)
{
    if (answer != QLatin1String("0")) {
        showStatus(SiteAnswerFailureText(answer));
        setFieldsEnabled(true);
        return;
    }
    if (m_chkSave->isChecked())
        m_remembered.remember(m_txtUserName->text(), m_txtPassWord->text());
    emit loggedIn();
    close();
}

void U_Login::txt_UserName_Change(const QString& text)
{
    m_remembered.lookUp(text);
}

bool U_Login::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == m_txtUserName || watched == m_txtPassWord))
        m_picError->hide();
    return QWidget::eventFilter(watched, event);
}

void U_Login::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(0, 0, m_background);
}
