#pragma once

#include <QObject>
#include <QString>

// The site accounts whose password the user asked to keep. The catalogue keeps one
// `Users` row per remembered user; the password itself goes to the desktop's secret
// store when one answers, and the row then holds none. Without a secret store the row
// holds it, in a catalogue file only its owner may read. Secret store calls run
// asynchronously: nothing here waits for them.
class RememberedLogins : public QObject {
    Q_OBJECT
public:
    enum class Place { SecretStore, Catalogue };
    Q_ENUM(Place)

    static constexpr char ServiceName[] = "Tavolin";

    explicit RememberedLogins(QObject* parent = nullptr);

    // Looks for the (trimmed) name: false when it is not remembered. Otherwise the
    // password arrives through `found`, at once when the row holds it, else when the
    // secret store answers.
    bool lookUp(const QString& userName);
    // Keeps the (trimmed) name and password; `saved` or `saveFailed` tells how it went.
    void remember(const QString& userName, const QString& password);

signals:
    void found(const QString& userName, const QString& password);
    void saved(const QString& userName, RememberedLogins::Place place);
    // Nothing could keep the password; the text says why, for the user.
    void saveFailed(const QString& message);

private:
    void keepInCatalogue(const QString& userName, const QString& password, Place place);
};
