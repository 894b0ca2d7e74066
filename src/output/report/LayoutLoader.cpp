#include "output/report/LayoutLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QXmlStreamReader>
#include <cmath>

namespace LayoutLoader {
namespace {

constexpr int kMaxIncludeDepth = 8;
constexpr double kMaxLength = 1000;  // mm: nothing on an A4 page is longer

struct Fault {
    LayoutError error;
};

class Reader {
public:
    Reader(const Resolver& resolve, int depth) : m_resolve(resolve), m_depth(depth) {}

    ReportLayout readReport(const QByteArray& xml, const QString& fileName) {
        QXmlStreamReader xmlReader(xml);
        m_xml = &xmlReader;
        m_file = fileName;
        if (!nextElement())
            fail(QStringLiteral("plik nie zawiera układu raportu"));
        if (m_xml->name() != QLatin1String("report"))
            fail(QStringLiteral("oczekiwano elementu <report>"));
        ReportLayout layout;
        allowOnly({"title", "orientation", "margins", "font", "size"});
        layout.title = attribute("title");
        const QString orientation = attribute("orientation", QStringLiteral("portrait"));
        if (orientation == QLatin1String("landscape"))
            layout.orientation = QPageLayout::Landscape;
        else if (orientation != QLatin1String("portrait"))
            fail(QStringLiteral("orientation: portrait albo landscape"));
        if (hasAttribute("margins"))
            layout.margins = margins(attribute("margins"));
        layout.font.family = attribute("font", layout.font.family);
        layout.font.size = number("size", layout.font.size, 1, 200);
        m_font = layout.font;
        m_layout = &layout;
        readReportChildren();
        finish();
        // The bands on every page must leave room for the rows.
        double fixed = layout.margins.top() + layout.margins.bottom();
        for (BandKind kind : {BandKind::PageHeader, BandKind::Title, BandKind::ColumnHeader,
                              BandKind::PageFooter}) {
            if (const Band* band = layout.band(kind))
                fixed += band->height;
        }
        if (fixed >= layout.pageSize().height())
            throw Fault{{m_file, 0, 0,
                         QStringLiteral("marginesy i pasma nagłówków oraz stopki (%1 mm) nie "
                                        "mieszczą się na stronie")
                             .arg(fixed)}};
        return layout;
    }

    // The children of a fragment's root, in the place of an <include>.
    void readFragment(const QByteArray& xml, const QString& fileName, ReportLayout* layout,
                      Band* band, const FontStyle& font) {
        QXmlStreamReader xmlReader(xml);
        m_xml = &xmlReader;
        m_file = fileName;
        m_layout = layout;
        m_font = font;
        if (!nextElement() || m_xml->name() != QLatin1String("fragment"))
            fail(QStringLiteral("oczekiwano elementu <fragment>"));
        allowOnly({});
        if (band)
            readBandChildren(*band);
        else
            readReportChildren();
        finish();
    }

private:
    [[noreturn]] void fail(const QString& message) {
        throw Fault{
            {m_file, m_xml ? m_xml->lineNumber() : 0, m_xml ? m_xml->columnNumber() : 0, message}};
    }

    // The next start element at this level, or false at the end of the enclosing one.
    bool nextElement() {
        while (!m_xml->atEnd()) {
            switch (m_xml->readNext()) {
                case QXmlStreamReader::StartElement:
                    return true;
                case QXmlStreamReader::EndElement:
                    return false;
                case QXmlStreamReader::Characters:
                    if (!m_xml->isWhitespace())
                        fail(QStringLiteral("tekst poza elementem <text>"));
                    break;
                case QXmlStreamReader::DTD:
                    fail(QStringLiteral("deklaracje DTD nie są dozwolone"));
                default:
                    break;
            }
        }
        if (m_xml->hasError())
            fail(m_xml->errorString());
        return false;
    }

    void finish() {
        while (!m_xml->atEnd()) {
            const auto token = m_xml->readNext();
            if (token == QXmlStreamReader::StartElement ||
                (token == QXmlStreamReader::Characters && !m_xml->isWhitespace()))
                fail(QStringLiteral("treść po zakończeniu układu"));
        }
        if (m_xml->hasError())
            fail(m_xml->errorString());
    }

    void allowOnly(std::initializer_list<const char*> names) {
        for (const QXmlStreamAttribute& a : m_xml->attributes()) {
            bool known = false;
            for (const char* name : names)
                known = known || a.name() == QLatin1String(name);
            if (!known)
                fail(QStringLiteral("nieznany atrybut %1").arg(a.name().toString()));
        }
    }

    bool hasAttribute(const char* name) const {
        return m_xml->attributes().hasAttribute(QLatin1String(name));
    }
    QString attribute(const char* name, const QString& fallback = {}) const {
        return hasAttribute(name) ? m_xml->attributes().value(QLatin1String(name)).toString()
                                  : fallback;
    }

    double number(const char* name, double fallback, double low = 0, double high = kMaxLength) {
        if (!hasAttribute(name))
            return fallback;
        bool ok = false;
        const double value = attribute(name).trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(value) || value < low || value > high)
            fail(QStringLiteral("%1: liczba od %2 do %3")
                     .arg(QLatin1String(name))
                     .arg(low)
                     .arg(high));
        return value;
    }

    bool flag(const char* name, bool fallback) {
        const QString value = attribute(name);
        if (value.isEmpty())
            return fallback;
        if (value == QLatin1String("yes") || value == QLatin1String("true"))
            return true;
        if (value == QLatin1String("no") || value == QLatin1String("false"))
            return false;
        fail(QStringLiteral("%1: yes albo no").arg(QLatin1String(name)));
    }

    QColor colour(const char* name, const QColor& fallback) {
        if (!hasAttribute(name))
            return fallback;
        const QColor value = QColor::fromString(attribute(name));
        if (!value.isValid())
            fail(QStringLiteral("%1: kolor, np. #d0d0d0").arg(QLatin1String(name)));
        return value;
    }

    QMarginsF margins(const QString& text) {
        QList<double> values;
        for (const QString& part : text.split(QLatin1Char(','))) {
            bool ok = false;
            const double value = part.trimmed().toDouble(&ok);
            if (!ok || !std::isfinite(value) || value < 0 || value > 100)
                fail(QStringLiteral("margins: jedna albo cztery liczby od 0 do 100"));
            values << value;
        }
        if (values.size() == 1)
            return {values[0], values[0], values[0], values[0]};
        if (values.size() != 4)
            fail(QStringLiteral("margins: jedna albo cztery liczby od 0 do 100"));
        return {values[0], values[1], values[2], values[3]};
    }

    void readReportChildren() {
        while (nextElement()) {
            const auto name = m_xml->name();
            if (name == QLatin1String("band"))
                readBand();
            else if (name == QLatin1String("include"))
                include(nullptr);
            else
                fail(QStringLiteral("oczekiwano <band> albo <include>"));
        }
    }

    void readBand() {
        static const std::pair<const char*, BandKind> kinds[] = {
            {"title", BandKind::Title},
            {"pageheader", BandKind::PageHeader},
            {"columnheader", BandKind::ColumnHeader},
            {"data", BandKind::Data},
            {"summary", BandKind::Summary},
            {"pagefooter", BandKind::PageFooter},
        };
        allowOnly({"kind", "height"});
        const QString kind = attribute("kind");
        Band band;
        bool known = false;
        for (const auto& [text, value] : kinds) {
            if (kind == QLatin1String(text)) {
                band.kind = value;
                known = true;
            }
        }
        if (!known)
            fail(
                QStringLiteral("kind: title, pageheader, columnheader, data, summary albo "
                               "pagefooter"));
        if (m_layout->band(band.kind))
            fail(QStringLiteral("pasmo %1 występuje dwa razy").arg(kind));
        band.height = number("height", 0);
        readBandChildren(band);
        m_layout->bands << band;
    }

    void readBandChildren(Band& band) {
        while (nextElement()) {
            const auto name = m_xml->name();
            if (name == QLatin1String("text"))
                band.objects << readText();
            else if (name == QLatin1String("line"))
                band.objects << readLine();
            else if (name == QLatin1String("rect"))
                band.objects << readRect();
            else if (name == QLatin1String("image"))
                band.objects << readImage();
            else if (name == QLatin1String("include"))
                include(&band);
            else
                fail(QStringLiteral("oczekiwano <text>, <line>, <rect>, <image> albo <include>"));
        }
    }

    QRectF box() {
        return {number("x", 0), number("y", 0), number("width", 0), number("height", 0)};
    }

    LayoutObject readText() {
        allowOnly({"x", "y", "width", "height", "font", "size", "bold", "italic", "underline",
                   "align", "valign", "wrap", "stretch", "frame", "line-width", "color", "fill",
                   "padding"});
        LayoutObject object;
        object.rect = box();
        object.font = m_font;
        object.font.family = attribute("font", m_font.family);
        object.font.size = number("size", m_font.size, 1, 200);
        object.font.bold = flag("bold", false);
        object.font.italic = flag("italic", false);
        object.font.underline = flag("underline", false);
        object.wrap = flag("wrap", true);
        object.stretch = flag("stretch", false);
        object.padding = number("padding", object.padding, 0, 20);
        object.lineWidth = number("line-width", object.lineWidth, 0, 10);
        object.color = colour("color", object.color);
        object.fill = colour("fill", QColor());
        object.align = horizontal(attribute("align", QStringLiteral("left"))) |
                       vertical(attribute("valign", QStringLiteral("top")));
        object.borders = borders(attribute("frame", QStringLiteral("none")));
        const qint64 line = m_xml->lineNumber();
        const qint64 column = m_xml->columnNumber();
        QString text;
        while (!m_xml->atEnd()) {
            const auto token = m_xml->readNext();
            if (token == QXmlStreamReader::Characters)
                text += m_xml->text();
            else if (token == QXmlStreamReader::EndElement)
                break;
            else if (token == QXmlStreamReader::StartElement)
                fail(QStringLiteral("element <text> zawiera tylko tekst"));
        }
        if (m_xml->hasError())
            fail(m_xml->errorString());
        int faultAt = 0;
        const auto parts = parseTextParts(contentText(text), &faultAt);
        if (!parts)
            throw Fault{{m_file, line, column,
                         QStringLiteral("niedomknięty nawias [ w tekście (znak %1); literalny "
                                        "nawias zapisuje się [[")
                             .arg(faultAt + 1)}};
        object.parts = *parts;
        return object;
    }

    // The element's text: every line trimmed, the blank lines around it dropped, so that a
    // layout may be indented freely.
    static QString contentText(const QString& raw) {
        QStringList lines = raw.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line = line.trimmed();
        while (!lines.isEmpty() && lines.first().isEmpty())
            lines.removeFirst();
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines.join(QLatin1Char('\n'));
    }

    Qt::Alignment horizontal(const QString& text) {
        if (text == QLatin1String("left"))
            return Qt::AlignLeft;
        if (text == QLatin1String("center"))
            return Qt::AlignHCenter;
        if (text == QLatin1String("right"))
            return Qt::AlignRight;
        fail(QStringLiteral("align: left, center albo right"));
    }

    Qt::Alignment vertical(const QString& text) {
        if (text == QLatin1String("top"))
            return Qt::AlignTop;
        if (text == QLatin1String("middle"))
            return Qt::AlignVCenter;
        if (text == QLatin1String("bottom"))
            return Qt::AlignBottom;
        fail(QStringLiteral("valign: top, middle albo bottom"));
    }

    Borders borders(const QString& text) {
        Borders result;
        if (text == QLatin1String("all"))
            return {true, true, true, true};
        if (text == QLatin1String("none"))
            return result;
        for (const QString& side : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (side == QLatin1String("left"))
                result.left = true;
            else if (side == QLatin1String("top"))
                result.top = true;
            else if (side == QLatin1String("right"))
                result.right = true;
            else if (side == QLatin1String("bottom"))
                result.bottom = true;
            else
                fail(QStringLiteral("frame: all, none albo boki left top right bottom"));
        }
        return result;
    }

    LayoutObject readLine() {
        allowOnly({"x1", "y1", "x2", "y2", "width", "color"});
        LayoutObject object;
        object.kind = ObjectKind::Line;
        object.rect = QRectF(QPointF(number("x1", 0), number("y1", 0)),
                             QPointF(number("x2", 0), number("y2", 0)));
        object.lineWidth = number("width", object.lineWidth, 0, 10);
        object.color = colour("color", object.color);
        m_xml->skipCurrentElement();
        return object;
    }

    LayoutObject readRect() {
        allowOnly({"x", "y", "width", "height", "line-width", "color", "fill"});
        LayoutObject object;
        object.kind = ObjectKind::Rect;
        object.rect = box();
        object.lineWidth = number("line-width", object.lineWidth, 0, 10);
        object.color = colour("color", object.color);
        object.fill = colour("fill", QColor());
        m_xml->skipCurrentElement();
        return object;
    }

    LayoutObject readImage() {
        allowOnly({"x", "y", "width", "height", "file"});
        LayoutObject object;
        object.kind = ObjectKind::Image;
        object.rect = box();
        const QString name = attribute("file");
        const QString path = m_resolve ? m_resolve(name) : QString();
        if (path.isEmpty() || !object.image.load(path))
            fail(QStringLiteral("nie można wczytać obrazu %1").arg(name));
        m_xml->skipCurrentElement();
        return object;
    }

    void include(Band* band) {
        allowOnly({"file"});
        const QString name = attribute("file");
        if (m_depth >= kMaxIncludeDepth)
            fail(QStringLiteral("zbyt głęboko zagnieżdżone <include>"));
        const QString path = m_resolve ? m_resolve(name) : QString();
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
            fail(QStringLiteral("nie znaleziono fragmentu %1").arg(name));
        m_xml->skipCurrentElement();
        Reader inner(m_resolve, m_depth + 1);
        inner.readFragment(file.readAll(), QFileInfo(path).fileName(), m_layout, band, m_font);
    }

    const Resolver& m_resolve;
    int m_depth;
    QXmlStreamReader* m_xml = nullptr;
    QString m_file;
    ReportLayout* m_layout = nullptr;
    FontStyle m_font;
};

}  // namespace

Result parse(const QByteArray& xml, const QString& fileName, const Resolver& resolve) {
    try {
        return Reader(resolve, 0).readReport(xml, fileName);
    } catch (const Fault& fault) {
        return fault.error;
    }
}

Result load(const QString& path, const Resolver& resolve) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LayoutError{QFileInfo(path).fileName(), 0, 0,
                           QStringLiteral("nie można otworzyć pliku")};
    return parse(file.readAll(), QFileInfo(path).fileName(), resolve);
}

}  // namespace LayoutLoader
