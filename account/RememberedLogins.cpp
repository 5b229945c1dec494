#include "account/RememberedLogins.h"

#include "store/Catalogue.h"

#include <QtGlobal>

#include <qt6keychain/keychain.h>

RememberedLogins::RememberedLogins(QObject* parent)
    : QObject(parent)
{
}

bool RememberedLogins::lookUp(const QString& userName)
{
    const QString name = userName.trimmed();
    const std::optional<QString> row = Catalogue::RememberedPassword(name);
    if (!row)
        return false;
    // A row that holds the password was written without a secret store, or before
    // passwords went there; it fills in as it is until the next save moves it.
    if (!row->isEmpty()) {
        emit found(name, *row);
        return true;
    }
    // Jobs delete themselves when done, also when this object went first.
    auto* job = new QKeychain::ReadPasswordJob(QString::fromLatin1(ServiceName));
    job->setKey(name);
    connect(job, &QKeychain::Job::finished, this, [this, name](QKeychain::Job* done) {
        if (done->error() == QKeychain::NoError)
            emit found(name, static_cast<QKeychain::ReadPasswordJob*>(done)->textData());
    });
    job->start();
    return true;
}

void RememberedLogins::remember(const QString& userName, const QString& password)
{
    const QString name = userName.trimmed();
    const QString secret = password.trimmed();
    auto* job = new QKeychain::WritePasswordJob(QString::fromLatin1(ServiceName));
    job->setKey(name);
    job->setTextData(secret);
    connect(job, &QKeychain::Job::finished, this, [this, name, secret](QKeychain::Job* done) {
        if (done->error() == QKeychain::NoError) {
            keepInCatalogue(name, QString(), Place::SecretStore);
            return;
        }
        qInfo("No secret store (%s): the catalogue keeps the password", qUtf8Printable(done->errorString()));
        keepInCatalogue(name, secret, Place::Catalogue);
    });
    job->start();
}

void RememberedLogins::keepInCatalogue(const QString& userName, const QString& password, Place place)
{
    if (Catalogue::RememberUser(userName, password))
        emit saved(userName, place);
    else
        emit saveFailed(QStringLiteral("无法记住“%1”的密码：游戏目录无法写入。").arg(userName));
}
