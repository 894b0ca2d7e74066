#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

// A report layout as loaded from its file: the page, the bands and their objects.
// Lengths are millimetres; an object's place is relative to its band's top left corner
// inside the page margins.

struct FontStyle {
    QString family = QStringLiteral("DejaVu Sans");
    double size = 9;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const FontStyle&) const = default;
};

// A run of a text object's content: literal text, or the name of a placeholder answered
// by the caller while the report is prepared.
struct TextPart {
    QString text;
    bool placeholder = false;

    bool operator==(const TextPart&) const = default;
};

enum class ObjectKind { Text, Line, Rect, Image };

struct Borders {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;

    bool any() const { return left || top || right || bottom; }
};

struct LayoutObject {
    ObjectKind kind = ObjectKind::Text;
    QRectF rect;  // a line runs from rect's top left to its bottom right
    // Text.
    QList<TextPart> parts;
    FontStyle font;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    bool wrap = true;      // long lines break at word ends
    bool stretch = false;  // grows downwards with its text, and its band with it
    double padding = 0.5;
    // Frames, lines and rectangles.
    Borders borders;
    double lineWidth = 0.2;
    QColor color = Qt::black;
    QColor fill;  // invalid: none
    // Image.
    QImage image;
};

enum class BandKind { Title, PageHeader, ColumnHeader, Data, Summary, PageFooter };
constexpr int kBandKindCount = 6;

struct Band {
    BandKind kind = BandKind::Data;
    double height = 0;
    QList<LayoutObject> objects;
};

struct ReportLayout {
    QString title;  // the document's title in a PDF
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{15, 12, 15, 12};
    FontStyle font;
    QList<Band> bands;  // at most one of each kind

    QSizeF pageSize() const;  // A4 in the layout's orientation
    const Band* band(BandKind kind) const;
    // Every text object's whole text, placeholders written "[NAME]" and each line followed
    // by CR LF, passes through the translation; a changed text is read again for its
    // placeholders (one that cannot be read keeps the original).
    void translateTexts(const std::function<QString(const QString&)>& translate);
};

// Where and why a layout could not be read.
struct LayoutError {
    QString file;
    qint64 line = 0;
    qint64 column = 0;
    QString message;

    // "file, wiersz L, kolumna C: message"
    QString text() const;
};

// Placeholders are written [NAME]; "[[" is a literal "[". Gives nullopt and the column of
// the fault within the text when a "[" is not closed or names nothing.
std::optional<QList<TextPart>> parseTextParts(const QString& text, int* faultAt = nullptr);
