// Renders the user manual, written in Markdown, to the PDF that "Pomoc" (F1) opens. Runs
// at build time: flotanor-manual-pdf SOURCE.md TARGET.pdf
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "użycie: flotanor-manual-pdf PODRĘCZNIK.md PLIK.pdf\n";
        return 2;
    }
    QFile source(arguments[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        err << "nie można odczytać " << arguments[1] << '\n';
        return 1;
    }
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    document.setMarkdown(QString::fromUtf8(source.readAll()));

    QPdfWriter pdf(arguments[2]);
    pdf.setTitle(QStringLiteral("Flotanor - podręcznik użytkownika"));
    pdf.setCreator(QStringLiteral("Flotanor"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));
    document.print(&pdf);
    return QFile::exists(arguments[2]) ? 0 : 1;
}
