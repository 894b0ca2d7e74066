#include "support/news/SupportMail.h"

#include <QUrlQuery>

namespace SupportMail {

QUrl address(const QString& email) {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(email.trimmed(), QUrl::DecodedMode);
    return url;
}

QUrl helpRequest(const QString& email) {
    QUrl url = address(email);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Pomoc techniczna"));
    query.addQueryItem(QStringLiteral("body"), QStringLiteral("Opisz problem"));
    url.setQuery(query);
    return url;
}

}  // namespace SupportMail
