#include "account/UpdatePage.h"

#include "account/ProgramVersion.h"

#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

// A decimal number as the site publishes it: digits with an optional fraction.
std::optional<double> publishedNumber(const QString& field)
{
    static const QRegularExpression decimal(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    if (!decimal.match(field).hasMatch())
        return std::nullopt;
    const double number = field.toDouble();
    return std::isfinite(number) ? std::optional(number) : std::nullopt;
}

QUrl downloadAddress(QString field)
{
    field.remove(QLatin1String("http://")).remove(QLatin1String("http:"));
    field.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (field.startsWith(QLatin1Char('/')))
        field.remove(0, 1);
    const QUrl address(QStringLiteral("http://") + field, QUrl::StrictMode);
    return address.isValid() && !address.host().isEmpty() ? address : QUrl();
}

} // namespace

bool IsNewerVersion(const QString& published)
{
    const std::optional<double> number = publishedNumber(published);
    return number && *number > ProgramVersionNumber;
}

UpdateNews ReadUpdatePage(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char('|'));
    if (!publishedNumber(fields[0]))
        return {UpdateNews::Kind::Unreadable, {}};
    if (!IsNewerVersion(fields[0]))
        return {UpdateNews::Kind::Latest, {}};
    return {UpdateNews::Kind::Newer, fields.size() > 1 ? downloadAddress(fields[1]) : QUrl()};
}

QString UpdateMessage(UpdateNews::Kind kind)
{
    switch (kind) {
    case UpdateNews::Kind::Latest: return UpdateText::Latest;
    case UpdateNews::Kind::Newer: return UpdateText::Newer;
    case UpdateNews::Kind::Unreadable: break;
    }
    return UpdateText::Failed;
}
