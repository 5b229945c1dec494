#include "account/U_Regedit.h"

#include "account/RegistrationRules.h"
#include "account/SiteAnswer.h"
#include "account/SiteAnswerRequest.h"
#include "controls/CursorFile.h"
#include "controls/WindowDrag.h"
#include "controls/WindowRegion.h"
#include "controls/iButton.h"
#include "shell/SkinPath.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int FirstRowTop = 50;
constexpr int RowStep = 38;
constexpr int RowHeight = 26;
constexpr int FieldLeft = 106;
constexpr int StatusLeft = 264;
// Where the window sits on its owner: 2860 and 2000 twips.
const QPoint OffsetOnOwner(191, 133);

const char* const StatusStyle = "QLabel { font-size: 12px; color: #8a8f99; }"
                                "QLabel[verdict=\"ok\"] { color: #2e9b47; font-weight: bold; }"
                                "QLabel[verdict=\"fault\"] { color: #d23c3c; }";

void setVerdict(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setProperty("verdict", text == RegistrationText::Accepted ? "ok" : "fault");
    label->setStyleSheet(QString::fromLatin1(StatusStyle));
}

} // namespace

U_Regedit::U_Regedit(QWebEngineProfile* profile, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::FramelessWindowHint)
    , m_request(new SiteAnswerRequest(profile, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("用户注册"));
    setFixedSize(WindowWidth, WindowHeight);
    RectRgn(this, WindowWidth, WindowHeight, 6);
    DragByBackground(this);
    if (owner)
        move(owner->geometry().topLeft() + OffsetOnOwner);
    m_background = QPixmap(SkinPath(QStringLiteral("Regedit_bg.gif")));

    auto* title = new QLabel(QStringLiteral("用户注册"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(33, 5, 200, 22);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 13px; font-weight: bold;"));

    auto* closeButton = new iButton(this);
    closeButton->setObjectName(QStringLiteral("W_Close"));
    closeButton->setBackPicture(QPixmap(SkinPath(QStringLiteral("pop_close.bmp"))));
    closeButton->move(WindowWidth - 26, 4);
    connect(closeButton, &iButton::Click, this, &QWidget::close);

    m_userName = addField("txt_UserName", QStringLiteral("用户名："), 0, 150);
    m_password = addField("txt_PassWord", QStringLiteral("密码："), 1, 150);
    m_passwordAgain = addField("txt_PassWord1", QStringLiteral("确认密码："), 2, 150);
    m_email = addField("txt_Email", QStringLiteral("电子邮箱："), 3, 150);
    m_codeInput = addField("txt_Code", QStringLiteral("验证码："), 4, 70);
    m_codeInput->setMaxLength(CodeLength);
    // The repeat is masked too: shown in clear it would give away what the first hides.
    for (QLineEdit* secret : {m_password, m_passwordAgain})
        secret->setEchoMode(QLineEdit::Password);
    m_userNameStatus = addStatus("lb_UserName", RegistrationText::EnterUserName, 0);
    m_passwordStatus = addStatus("lb_PassWord", RegistrationText::EnterPassword, 1);
    m_passwordAgainStatus = addStatus("lb_PassWord1", RegistrationText::EnterPasswordAgain, 2);
    m_emailStatus = addStatus("lb_Email", RegistrationText::EnterEmail, 3);
    m_codeStatus = addStatus("lb_Code1", RegistrationText::EnterCode, 4);

    m_codeLabel = new QLabel(this);
    m_codeLabel->setObjectName(QStringLiteral("LB_Code"));
    m_codeLabel->setGeometry(FieldLeft + 78, FirstRowTop + 4 * RowStep, 72, RowHeight);
    m_codeLabel->setAlignment(Qt::AlignCenter);
    m_codeLabel->setCursor(CursorFromFile(SkinPath(QStringLiteral("Cur/harrow.cur"))));
    m_codeLabel->setToolTip(QStringLiteral("看不清？点击换一个"));
    m_codeLabel->setStyleSheet(QStringLiteral(
        "QLabel { font-family: 'DejaVu Sans Mono'; font-size: 17px; font-weight: bold; letter-spacing: 2px;"
        " color: #1d5fa8; background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #e3eefa, stop:1 #f7fbff);"
        " border: 1px dashed #8fb3dc; border-radius: 2px; }"));
    m_codeLabel->installEventFilter(this);
    auto* codeHint = new QLabel(QStringLiteral("看不清？点击验证码换一个"), this);
    codeHint->setGeometry(FieldLeft, FirstRowTop + 4 * RowStep + RowHeight + 4, 200, 16);
    codeHint->setStyleSheet(QStringLiteral("font-size: 11px; color: #8a8f99;"));

    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("Lberror"));
    m_error->setGeometry(20, 264, WindowWidth - 40, 30);
    m_error->setAlignment(Qt::AlignCenter);
    m_error->setWordWrap(true);
    m_error->setStyleSheet(QStringLiteral("color: #d23c3c; font-size: 12px;"));

    auto* submitButton = new iButton(this);
    submitButton->setObjectName(QStringLiteral("Btn_Get"));
    submitButton->setBackPicture(QPixmap(SkinPath(QStringLiteral("btn75_23.bmp"))));
    submitButton->setCaption(QStringLiteral("提交注册"));
    submitButton->move((WindowWidth - submitButton->width()) / 2, 302 + (WindowHeight - 302 - submitButton->height()) / 2);
    connect(submitButton, &iButton::Click, this, &U_Regedit::submit);

    connect(m_request, &SiteAnswerRequest::answered, this, &U_Regedit::showAnswer);
    // No page at all reads as no reply of the service.
    connect(m_request, &SiteAnswerRequest::failed, this, [this] { showAnswer(QString()); });
    drawCode();
}

QLineEdit* U_Regedit::addField(const char* name, const QString& caption, int row, int width)
{
    const int top = FirstRowTop + row * RowStep;
    auto* label = new QLabel(caption, this);
    label->setGeometry(16, top, FieldLeft - 22, RowHeight);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setStyleSheet(QStringLiteral("color: #333; font-size: 13px;"));
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(FieldLeft, top, width, RowHeight);
    field->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #a9c3e0; border-radius: 2px; padding: 0 4px;"
                                        " background: white; font-size: 13px; lineedit-password-character: 42; }"
                                        "QLineEdit:focus { border-color: #2f7fd1; }"));
    // Enter anywhere submits, as the window's default button would.
    connect(field, &QLineEdit::returnPressed, this, &U_Regedit::submit);
    return field;
}

QLabel* U_Regedit::addStatus(const char* name, const QString& prompt, int row)
{
    auto* status = new QLabel(prompt, this);
    status->setObjectName(QString::fromLatin1(name));
    status->setGeometry(StatusLeft, FirstRowTop + row * RowStep, WindowWidth - StatusLeft - 4, RowHeight);
    status->setWordWrap(true);
    status->setStyleSheet(QString::fromLatin1(StatusStyle));
    return status;
}

void U_Regedit::drawCode()
{
    m_code = DrawCode();
    m_codeLabel->setText(m_code);
}

void U_Regedit::submit()
{
    const RegistrationEntry entry{m_userName->text(), m_password->text(), m_passwordAgain->text(), m_email->text(),
                                  m_codeInput->text()};
    const RegistrationCheck check = CheckRegistration(entry, m_code);
    setVerdict(m_userNameStatus, check.userName);
    setVerdict(m_passwordStatus, check.password);
    if (check.passwordAgain)
        setVerdict(m_passwordAgainStatus, *check.passwordAgain);
    setVerdict(m_emailStatus, check.email);
    setVerdict(m_codeStatus, check.code);
    if (!check.ok)
        return;
    m_error->clear();
    m_request->send(RegistrationRequest(entry));
}

void U_Regedit::showAnswer(const QString& answer)
{
    if (answer != QLatin1String("0")) {
        m_error->setText(SiteAnswerFailureText(answer));
        return;
    }
    emit registered();
    close();
}

bool U_Regedit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_codeLabel && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        drawCode();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void U_Regedit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}
