#include "account/RegistrationRules.h"

#include "shell/SiteAddresses.h"

#include <QRandomGenerator>

#include <cmath>

QString DrawCode(const UniformSource& random)
{
    const UniformSource draw = random ? random : [] { return QRandomGenerator::global()->generateDouble(); };
    const int last = int(CodeAlphabet.size()) - 1;
    QString code;
    while (code.size() < CodeLength) {
        // Counted from 1; the default rounding is to nearest with halves to even.
        const int position = int(std::nearbyint(draw() * last + 1));
        const QChar character = CodeAlphabet[position - 1];
        if (!code.contains(character))
            code += character;
    }
    return code;
}

RegistrationCheck CheckRegistration(const RegistrationEntry& entry, const QString& shownCode)
{
    using namespace RegistrationText;
    RegistrationCheck check;
    check.ok = true;
    const auto require = [&check](const QString& value, const QString& prompt) {
        if (!value.isEmpty())
            return Accepted;
        check.ok = false;
        return prompt;
    };
    check.userName = require(entry.userName, EnterUserName);
    check.password = require(entry.password, EnterPassword);
    if (!entry.password.isEmpty()) {
        check.passwordAgain = entry.password == entry.passwordAgain ? Accepted : PasswordsDiffer;
        check.ok = check.ok && check.passwordAgain == Accepted;
    }
    check.email = require(entry.email, EnterEmail);
    check.code = require(entry.code, EnterCode);
    if (!entry.code.isEmpty() && entry.code.toUpper() != shownCode) {
        check.code = WrongCode;
        check.ok = false;
    }
    return check;
}

QUrl RegistrationRequest(const RegistrationEntry& entry)
{
    // Encoded, so that "&", "#" or "+" in a password reach the site as typed.
    QUrl address(RegisterUrl());
    address.setQuery(QStringLiteral("username=%1&password=%2&email=%3")
                         .arg(QString::fromLatin1(QUrl::toPercentEncoding(entry.userName)),
                              QString::fromLatin1(QUrl::toPercentEncoding(entry.password)),
                              QString::fromLatin1(QUrl::toPercentEncoding(entry.email))),
                     QUrl::StrictMode);
    return address;
}
