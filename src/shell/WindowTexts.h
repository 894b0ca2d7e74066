#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class QWidget;
class TResourceTranslator;

// A window's texts and the keys of the language file that hold them: "<control>.<property>"
// in the section named after the window's class. Controls are found by objectName and
// visited in creation order; a control without a name has no key, nor one whose property
// "composedText" is set (its text is put together at run time).
//
//   the window itself                 <window>.caption (title)
//   label, group box, tab page, menu  .caption
//   push button, check box            .text, .hint
//   radio button                      .hint, .caption
//   tool button                       .hint, .caption ("~" stands for a blank)
//   grid                              .<i>.caption for each column title
//   text box                          .hint, .<i>.lines for each line
//   drop-down list                    .hint, .<i>.item for each item
//   edit fields, trees, lists         .hint
namespace WindowTexts {

// The section of the window: its class name.
QString sectionOf(const QWidget& window);

// Sets the texts the section gives; keys it lacks leave the texts as they are.
void translate(QWidget& window, const QHash<QString, QString>& section);
void translate(QWidget& window, const TResourceTranslator& translator);

// The window's current texts under the keys translate reads, leaving out blank values,
// menu separators, the marks "[...]", "*)", "&<<", "&>>*)" and texts of several lines.
QList<QPair<QString, QString>> texts(const QWidget& window);

// Labels, buttons and group boxes with a text but no name: the language file cannot reach
// them. "class \"text\"" each.
QStringList unnamed(const QWidget& window);

// Writes texts(window) into the window's section of the file; false when it cannot.
bool generate(const QWidget& window, const QString& languageFile);

}  // namespace WindowTexts
