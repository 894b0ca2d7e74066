#include "output/report/ReportLayout.h"

QSizeF ReportLayout::pageSize() const {
    // A4 in millimetres.
    return orientation == QPageLayout::Landscape ? QSizeF(297, 210) : QSizeF(210, 297);
}

const Band* ReportLayout::band(BandKind kind) const {
    for (const Band& b : bands) {
        if (b.kind == kind)
            return &b;
    }
    return nullptr;
}

void ReportLayout::translateTexts(const std::function<QString(const QString&)>& translate) {
    for (Band& b : bands) {
        for (LayoutObject& object : b.objects) {
            if (object.kind != ObjectKind::Text || object.parts.isEmpty())
                continue;
            QString whole;
            for (const TextPart& part : object.parts) {
                if (part.placeholder)
                    whole += u'[' + part.text + u']';
                else
                    whole += QString(part.text).replace(u'[', QStringLiteral("[["));
            }
            whole.replace(u'\n', QStringLiteral("\r\n"));
            whole += QStringLiteral("\r\n");
            const QString translated = translate(whole);
            if (translated == whole)
                continue;
            QString text =
                QString(translated).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (text.endsWith(u'\n'))
                text.chop(1);
            if (auto parts = parseTextParts(text, nullptr))
                object.parts = *parts;
        }
    }
}

QString LayoutError::text() const {
    if (line <= 0)
        return file + QStringLiteral(": ") + message;
    return QStringLiteral("%1, wiersz %2, kolumna %3: %4")
        .arg(file)
        .arg(line)
        .arg(column)
        .arg(message);
}

std::optional<QList<TextPart>> parseTextParts(const QString& text, int* faultAt) {
    QList<TextPart> parts;
    QString literal;
    auto isNameChar = [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('@');
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('[')) {
            literal += c;
            continue;
        }
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('[')) {
            literal += c;
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && isNameChar(text.at(end)))
            ++end;
        if (end == i + 1 || end >= text.size() || text.at(end) != QLatin1Char(']')) {
            if (faultAt)
                *faultAt = int(i);
            return std::nullopt;
        }
        if (!literal.isEmpty())
            parts << TextPart{literal, false};
        literal.clear();
        parts << TextPart{text.mid(i + 1, end - i - 1), true};
        i = end;
    }
    if (!literal.isEmpty())
        parts << TextPart{literal, false};
    return parts;
}
