#include "site/AccountTable.h"

#include <QRandomGenerator>
#include <QRegularExpression>

namespace {

QString key(const QString& name) { return name.toCaseFolded(); }

} // namespace

AccountTable::AccountTable()
{
    m_accounts.insert(key(QStringLiteral("demo")),
                      {QStringLiteral("demo"), QStringLiteral("demo123"), QStringLiteral("demo@mivo.example")});
}

AccountTable::Answer AccountTable::logIn(const QString& user, const QString& password)
{
    if (user.isEmpty())
        return {QStringLiteral("请输入用户名"), {}};
    if (password.isEmpty())
        return {QStringLiteral("请输入密码"), {}};
    const std::lock_guard lock(m_mutex);
    const auto found = m_accounts.constFind(key(user));
    if (found == m_accounts.constEnd() || found->password != password)
        return {QStringLiteral("用户名或密码错误"), {}};
    return {QStringLiteral("0"), openSession(found->name)};
}

AccountTable::Answer AccountTable::registerAccount(const QString& user, const QString& password,
                                                   const QString& email)
{
    static const QRegularExpression validName(QStringLiteral("^[A-Za-z0-9_\\x{4E00}-\\x{9FFF}]{2,16}$"));
    static const QRegularExpression validEmail(QStringLiteral("^[^@\\s]+@[^@\\s]+\\.[^@\\s]+$"));
    if (!validName.match(user).hasMatch())
        return {QStringLiteral("用户名须为2到16位字母、数字、下划线或汉字"), {}};
    if (password.size() < 6 || password.size() > 32)
        return {QStringLiteral("密码须为6到32位"), {}};
    if (!validEmail.match(email).hasMatch() || email.size() > 64)
        return {QStringLiteral("邮箱格式不正确"), {}};
    const std::lock_guard lock(m_mutex);
    if (m_accounts.contains(key(user)))
        return {QStringLiteral("该用户名已被注册"), {}};
    if (m_accounts.size() >= MaxAccounts)
        return {QStringLiteral("注册人数已满，请稍后再试"), {}};
    m_accounts.insert(key(user), {user, password, email});
    return {QStringLiteral("0"), openSession(user)};
}

QString AccountTable::userOf(const QByteArray& session) const
{
    const std::lock_guard lock(m_mutex);
    return m_sessions.value(session);
}

void AccountTable::logOut(const QByteArray& session)
{
    const std::lock_guard lock(m_mutex);
    if (m_sessions.remove(session))
        m_sessionOrder.removeOne(session);
}

QByteArray AccountTable::openSession(const QString& name)
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray token = QByteArray(reinterpret_cast<const char*>(words), sizeof words).toHex();
    // The oldest session makes room: the table never outgrows its bound.
    while (m_sessionOrder.size() >= MaxSessions)
        m_sessions.remove(m_sessionOrder.takeFirst());
    m_sessions.insert(token, name);
    m_sessionOrder.append(token);
    return token;
}
