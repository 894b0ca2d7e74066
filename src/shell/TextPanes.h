#pragma once

#include <QString>

// The two text panes kept between runs in the data directory: the order text of the
// report page and the notepad of the start page. Failures to read or write are silent.
namespace TextPanes {

QString orderTextFile();  // trescZlecenia.txt
QString notepadFile();    // podrecznyNotatnik.txt
QString load(const QString& file);
void save(const QString& file, const QString& text);

}  // namespace TextPanes
