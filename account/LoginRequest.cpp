#include "account/LoginRequest.h"

#include "shell/SiteAddresses.h"

QString LoginInputPrompt(const QString& userName, const QString& password)
{
    if (userName.isEmpty())
        return QStringLiteral("请输入用户名!");
    if (password.isEmpty())
        return QStringLiteral("请输入密码!");
    return {};
}

QUrl LoginRequestUrl(const QString& userName, const QString& password, bool keepLoggedIn)
{
    const auto value = [](const QString& text) { return QString::fromLatin1(QUrl::toPercentEncoding(text)); };
    return QUrl(LoginUrl() + QStringLiteral("?username=") + value(userName) + QStringLiteral("&password=")
                    + value(password) + QStringLiteral("&cookiesstate=") + (keepLoggedIn ? u'1' : u'0'),
                QUrl::StrictMode);
}
