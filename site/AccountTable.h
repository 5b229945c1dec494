#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <mutex>

// The site's accounts and login sessions, in memory only. Answers are the one-line
// replies of the login and registration services: "0" for success, otherwise a short
// message without blanks (the launcher removes blanks from what it shows). Safe to use
// from the server's threads at once.
class AccountTable {
public:
    static constexpr int MaxAccounts = 10000;
    static constexpr int MaxSessions = 10000;

    struct Answer {
        QString text;
        QByteArray session; // set on success
    };

    // Holds the demo account "demo" / "demo123".
    AccountTable();

    Answer logIn(const QString& user, const QString& password);
    // A new account is logged in at once.
    Answer registerAccount(const QString& user, const QString& password, const QString& email);
    // The user name of a live session; empty when unknown.
    QString userOf(const QByteArray& session) const;
    void logOut(const QByteArray& session);

private:
    struct Account {
        QString name;
        QString password;
        QString email;
    };

    // Called with m_mutex held.
    QByteArray openSession(const QString& name);

    mutable std::mutex m_mutex;
    QHash<QString, Account> m_accounts; // by case-folded name
    QHash<QByteArray, QString> m_sessions;
    QList<QByteArray> m_sessionOrder;
};
