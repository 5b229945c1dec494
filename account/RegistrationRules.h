#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

// What the registration window decides, without the window.

// The characters a verification code is made of: no zero, which reads as the letter O.
inline constexpr QStringView CodeAlphabet = u"123456789QWERTYUIOPASDFGHJKLZXCVBNM";
inline constexpr int CodeLength = 4;

// A uniform number in [0, 1).
using UniformSource = std::function<double()>;

// A code of four distinct characters of the alphabet: each index is
// round(r × 34 + 1), halves to even, drawn again while an earlier character has it.
// Without a source the process's random generator draws.
QString DrawCode(const UniformSource& random = {});

// The status texts beside the fields.
namespace RegistrationText {
inline const QString Accepted = QStringLiteral("√");
inline const QString EnterUserName = QStringLiteral("请输入用户名！");
inline const QString EnterPassword = QStringLiteral("请输入密码！");
inline const QString EnterPasswordAgain = QStringLiteral("请输入确认密码！");
inline const QString EnterEmail = QStringLiteral("请输入邮箱！");
inline const QString EnterCode = QStringLiteral("请输入验证码！");
inline const QString PasswordsDiffer = QStringLiteral("两次输入的密码不一致！");
inline const QString WrongCode = QStringLiteral("您输入的验证码错误！");
} // namespace RegistrationText

struct RegistrationEntry {
    QString userName;
    QString password;
    QString passwordAgain;
    QString email;
    QString code;
};

// Every field checked at once. `passwordAgain` is empty when its label keeps what it
// shows: without a password there is nothing to compare.
struct RegistrationCheck {
    QString userName;
    QString password;
    std::optional<QString> passwordAgain;
    QString email;
    QString code;
    bool ok = false;
};
RegistrationCheck CheckRegistration(const RegistrationEntry& entry, const QString& shownCode);

// The site's registration service for the entry, its values percent-encoded.
QUrl RegistrationRequest(const RegistrationEntry& entry);
