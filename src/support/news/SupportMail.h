#pragma once

#include <QString>
#include <QUrl>

// mailto: links to the support address (setting Email).
namespace SupportMail {

// mailto:<email>; the address is a path, so '?' or '&' in it cannot add header fields.
QUrl address(const QString& email);

// The same with subject "Pomoc techniczna" and body "Opisz problem" as a URL query.
QUrl helpRequest(const QString& email);

}  // namespace SupportMail
