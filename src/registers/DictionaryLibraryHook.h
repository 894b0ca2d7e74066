#pragma once

#include <QString>
#include <functional>

class QWidget;
class TmyDataBase;

// The "[...]" buttons of the dialogs open the dictionary library on one dictionary; the
// library window installs the opener here, so the dialogs need not know it.
namespace DictionaryLibraryHook {

using Opener =
    std::function<void(QWidget* parent, TmyDataBase& database, const QString& dictionaryCode)>;

void install(Opener opener);
// Opens the library on the dictionary; false when there is none installed.
bool open(QWidget* parent, TmyDataBase& database, const QString& dictionaryCode);

}  // namespace DictionaryLibraryHook
