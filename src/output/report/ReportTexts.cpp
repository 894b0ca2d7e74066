#include "output/report/ReportTexts.h"

#include "support/translation/TResourceTranslator.h"

namespace ReportTexts {

// New texts go at the end: the numbers are those of the language files already written.
const QStringList& polishTexts() {
    static const QStringList texts = {
        QStringLiteral("Podgląd wydruku"),
        QStringLiteral("Szukaj tekstu"),
        QStringLiteral("Informacja"),
        QStringLiteral("Nie znaleziono tekstu"),
        QStringLiteral("Drukuj"),
        QStringLiteral("Błąd"),
        QStringLiteral("Nie można rozpocząć wydruku."),
        QStringLiteral("Zapisz jako PDF"),
        QStringLiteral("Dokument PDF"),
        QStringLiteral("Raport zapisano w pliku:"),
        QStringLiteral("Nie można zapisać pliku:"),
        QStringLiteral("Błąd układu raportu"),
        QStringLiteral("Pierwsza"),
        QStringLiteral("Poprzednia"),
        QStringLiteral("Następna"),
        QStringLiteral("Ostatnia"),
        QStringLiteral("Powiększ"),
        QStringLiteral("Pomniejsz"),
        QStringLiteral("Do szerokości"),
        QStringLiteral("Cała strona"),
        QStringLiteral("Znajdź"),
        QStringLiteral("Zapisz PDF"),
        QStringLiteral("Zamknij"),
    };
    return texts;
}

QString text(const QString& polish) {
    const TResourceTranslator* translator = TResourceTranslator::installed();
    const qsizetype n = translator ? polishTexts().indexOf(polish) : -1;
    if (n >= 0 && !translator->engineTexts().value(n).isEmpty())
        return translator->engineTexts().value(n);
    return polish;
}

}  // namespace ReportTexts
