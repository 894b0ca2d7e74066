#include "registers/DictionaryLibraryHook.h"

namespace DictionaryLibraryHook {

namespace {

Opener& opener() {
    static Opener instance;
    return instance;
}

}  // namespace

void install(Opener value) {
    opener() = std::move(value);
}

bool open(QWidget* parent, TmyDataBase& database, const QString& dictionaryCode) {
    if (!opener())
        return false;
    opener()(parent, database, dictionaryCode);
    return true;
}

}  // namespace DictionaryLibraryHook
