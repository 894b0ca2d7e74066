#include "support/addons/Versions.h"

#include <QStringList>

namespace {

bool isNumber(const QString& part) {
    if (part.isEmpty())
        return false;
    for (const QChar c : part) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

int sign(int value) {
    return (value > 0) - (value < 0);
}

int compareParts(QString a, QString b) {
    a = a.trimmed();
    b = b.trimmed();
    if (a.isEmpty())
        a = QStringLiteral("0");
    if (b.isEmpty())
        b = QStringLiteral("0");
    if (isNumber(a) && isNumber(b)) {
        // Without leading zeros the longer number is the larger, so no digit count overflows.
        while (a.size() > 1 && a.front() == u'0')
            a.remove(0, 1);
        while (b.size() > 1 && b.front() == u'0')
            b.remove(0, 1);
        if (a.size() != b.size())
            return a.size() < b.size() ? -1 : 1;
    }
    return sign(QString::compare(a, b));
}

}  // namespace

namespace Versions {

bool same(const QString& a, const QString& b) {
    return a == b;
}

int compare(const QString& a, const QString& b) {
    const QStringList left = a.split(u'.');
    const QStringList right = b.split(u'.');
    const qsizetype count = std::max(left.size(), right.size());
    for (qsizetype i = 0; i < count; ++i) {
        const int order = compareParts(i < left.size() ? left[i] : QString(),
                                       i < right.size() ? right[i] : QString());
        if (order != 0)
            return order;
    }
    return 0;
}

bool newer(const QString& a, const QString& b) {
    return compare(a, b) > 0;
}

}  // namespace Versions
