#pragma once

#include <QString>
#include <QStringList>

class MessageService;
class TfMain;
class TmyDataBase;

// Writes the designed texts of every window, of every report layout and of the report
// engine into a language file, under the keys the translator reads: the start of a
// translation into another language. The single texts of messages are not among them.
struct GeneratedLanguageFile {
    bool written = true;
    QStringList unnamed;  // "window: control": texts the file cannot reach
};
GeneratedLanguageFile generateLanguageFile(TfMain& window, TmyDataBase& database,
                                           MessageService& messages, const QString& file);
