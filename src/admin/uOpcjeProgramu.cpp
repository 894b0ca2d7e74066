#include "admin/uOpcjeProgramu.h"

#include "admin/ConfigPP.h"
#include "registers/QuietTeardown.h"
#include "support/MessageService.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

namespace {

// Where a control sits in the window.
enum Place : int {
    General,
    GeneralBelowRule,
    TermsLeft,
    TermsRight,
    TermsNumbers,
    ReadingsLeft,
    ReadingsRight,
    ReadingsNumbers,
    Reports,
};

struct Flag {
    Place place;
    const char* name;
    const char* caption;
    bool TconfigPP::*member;
    bool visible = true;
};

struct Number {
    Place place;
    const char* name;
    const char* caption;
    int TconfigPP::*member;
    int maximum;
};

// The one mapping of controls to the record: the window is built, filled and read from it.
const Flag kFlags[] = {
    {General, "PokazujPoradeDnia", "Pokazuj poradę dnia podczas uruchomienia programu",
     &TconfigPP::pokazujPoradeDnia},
    {General, "sprawdzajTerminy", "Przy starcie programu sprawdź terminy",
     &TconfigPP::sprawdzajTerminy},
    {General, "sprawdzajPrzebieg",
     "Przy starcie programu sprawdź terminy wg stanu licznika przebiegu",
     &TconfigPP::sprawdzajPrzebieg},
    {General, "sprawdzajNotatki", "Przy starcie programu sprawdź notatki na dziś",
     &TconfigPP::sprawdzajNotatki},
    {General, "sprawdzajMagazyn", "Przy starcie programu sprawdź stany magazynowe",
     &TconfigPP::cbMAGAZYN},
    {General, "pytajPrzedKasowaniem", "Pytaj przed kasowaniem danych w tabelach",
     &TconfigPP::pytajPrzedKasowaniem},
    {General, "pytajPrzedZamknieciem", "Pytaj przed zamknięciem programu",
     &TconfigPP::pytajPrzedZamknieciem},
    {GeneralBelowRule, "poleInneJestLiczba",
     "Pierwsze znaki pola \"Ilość towaru / inne\" oznaczają ilość towaru",
     &TconfigPP::poleInneJestLiczba},

    {TermsLeft, "cbOC", "Termin ubezpieczenia OC", &TconfigPP::cbOC},
    {TermsLeft, "cbAC", "Termin ubezpieczenia AC", &TconfigPP::cbAC},
    {TermsLeft, "cbPRZEG", "Termin przeglądu technicznego", &TconfigPP::cbPRZEG},
    {TermsLeft, "cbPRZEGW", "Termin przeglądu gwarancyjnego", &TconfigPP::cbPRZEGW},
    {TermsRight, "cbNAPRAWY", "Termin naprawy", &TconfigPP::cbNAPRAWY},
    {TermsRight, "cbWYPOSAZENIE", "Termin wymiany wyposażenia", &TconfigPP::cbWYPOSAZENIE},
    {TermsRight, "cbDOKUMENTY", "Termin ważności dokumentu", &TconfigPP::cbDOKUMENTY},
    {TermsRight, "cbKPALIWOWE", "Termin ważności karty paliwowej", &TconfigPP::cbKPALIWOWE},
    {TermsRight, "cbTERMINARZ", "Zdarzenia zapisane w terminarzu", &TconfigPP::cbTERMINARZ},
    {TermsRight, "cbOPONY", "Termin wymiany opon", &TconfigPP::cbOPONY},

    {ReadingsLeft, "cbLICZPRZEG", "Termin przeglądu technicznego", &TconfigPP::cbLICZPRZEG},
    {ReadingsLeft, "cbLICZGWAR", "Termin przeglądu gwarancyjnego", &TconfigPP::cbLICZGWAR},
    {ReadingsRight, "cbLICZNAPR", "Termin naprawy", &TconfigPP::cbLICZNAPR},
    {ReadingsRight, "cbLICZWYPOS", "Termin wymiany wyposażenia", &TconfigPP::cbLICZWYPOS},
    {ReadingsRight, "cbLICZDOK", "Termin ważności dokumentu", &TconfigPP::cbLICZDOK},
    {ReadingsRight, "cbLICZTERM", "Zdarzenia zapisane w terminarzu", &TconfigPP::cbLICZTERM},
    {ReadingsRight, "cbLICZOPONY", "Termin wymiany opon", &TconfigPP::cbLICZOPONY},

    {Reports, "cbRapZaakceptowal", "Umieszczaj na raportach \"Zaakceptował\"",
     &TconfigPP::cbRapZaakceptowal},
    {Reports, "cbRapWystawil", "Umieszczaj na raportach \"Wystawił\"", &TconfigPP::cbRapWystawil},
    {Reports, "cbRapData", "Umieszczaj na raportach datę wystawienia", &TconfigPP::cbRapData},
    // Not offered any more, but a value set earlier is kept and saved.
    {Reports, "cbRapFirma", "Umieszczaj na raportach dane firmy", &TconfigPP::cbRapFirma, false},
};

const Number kNumbers[] = {
    {TermsNumbers, "dataPrzed", "Ile dni przed terminem informować ", &TconfigPP::dataWsteczna,
     3650},
    {TermsNumbers, "dataPo", "Ile dni po terminie informować ", &TconfigPP::dataWstecznaMin, 3650},
    {ReadingsNumbers, "kmOd", "Ile kilometrów przed terminem informować", &TconfigPP::kmOd,
     1000000},
    {ReadingsNumbers, "kmDo", "Ile kilometrów po terminie informować ", &TconfigPP::kmDo, 1000000},
};

const QString kNoLimit = QStringLiteral("Wartość 0 oznacza bezterminowo");

// A whole number from 0 to maximum, digits only; anything else cannot be taken.
std::optional<int> boundedNumber(const QString& text, int maximum) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int value = digits.toInt();
    if (value > maximum)
        return std::nullopt;
    return value;
}

QLabel* wrapped(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QWidget* page(const char* name) {
    auto* widget = new QWidget;
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

TfOpcjeProgramu::~TfOpcjeProgramu() {
    quietTeardown(this);
}

TfOpcjeProgramu::TfOpcjeProgramu(TconfigPP& config, SettingsFile* settings,
                                 MessageService& messages, QString reportListPath, QWidget* parent)
    : QDialog(parent),
      m_config(config),
      m_settings(settings),
      m_messages(messages),
      m_reportListPath(std::move(reportListPath)) {
    setObjectName(QStringLiteral("fOpcjeProgramu"));
    setWindowTitle(QStringLiteral("Opcje programu"));
    setModal(true);

    auto* strip = new QFrame;
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setFrameShape(QFrame::StyledPanel);
    strip->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: white; }"));
    auto* heading = new QLabel(QStringLiteral("Ustaw opcje programu"));
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(10, 8, 10, 8);
    stripLayout->addWidget(heading);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("opcjeTab"));
    // Every page's title in sight: the window widens instead of scrolling the tabs.
    m_tabs->setUsesScrollButtons(false);
    m_tabs->addTab(buildGeneralPage(), QStringLiteral("Ogólne"));
    m_tabs->addTab(buildCheckPage("SprawdzanieTerminy", TermsLeft, TermsRight, TermsNumbers),
                   QStringLiteral("Sprawdzanie terminów"));
    m_tabs->addTab(
        buildCheckPage("sprawdzaniePrzebiegi", ReadingsLeft, ReadingsRight, ReadingsNumbers),
        QStringLiteral("Sprawdzanie wg przebiegu"));
    m_tabs->addTab(buildReportsPage(), QStringLiteral("Raporty"));
    m_tabs->addTab(buildIndividualReportsPage(), QStringLiteral("Raporty Indywidualne"));

    // Neither button is a default one: Enter in the report lines must not save.
    auto* save = new QPushButton(QStringLiteral("  &Zapisz   "));
    save->setObjectName(QStringLiteral("SpeedButton1"));
    save->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("  &Anuluj   "));
    cancel->setObjectName(QStringLiteral("SpeedButton2"));
    cancel->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &TfOpcjeProgramu::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(strip);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
}

void TfOpcjeProgramu::addFlags(QBoxLayout* layout, int place) {
    for (const Flag& flag : kFlags) {
        if (flag.place != place)
            continue;
        auto* box = new QCheckBox(QString::fromUtf8(flag.caption));
        box->setObjectName(QString::fromLatin1(flag.name));
        if (!flag.visible)
            box->hide();
        layout->addWidget(box);
        m_flags.append({box, flag.member});
    }
}

QWidget* TfOpcjeProgramu::buildGeneralPage() {
    QWidget* widget = page("ogolne");
    auto* layout = new QVBoxLayout(widget);
    addFlags(layout, General);
    auto* rule = new QFrame;
    rule->setObjectName(QStringLiteral("Bevel1"));
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    addFlags(layout, GeneralBelowRule);
    layout->addStretch(1);
    return widget;
}

QWidget* TfOpcjeProgramu::buildCheckPage(const char* name, int leftPlace, int rightPlace,
                                         int numbersPlace) {
    QWidget* widget = page(name);
    auto* layout = new QVBoxLayout(widget);
    auto* heading = new QLabel(QStringLiteral("Sprawdzaj:"));
    heading->setObjectName(widget->objectName() + QStringLiteral("Label"));
    layout->addWidget(heading);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    addFlags(left, leftPlace);
    addFlags(right, rightPlace);
    left->addStretch(1);
    right->addStretch(1);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    layout->addLayout(columns);

    auto* numbers = new QGridLayout;
    int row = 0;
    for (const Number& number : kNumbers) {
        if (number.place != numbersPlace)
            continue;
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(number.name));
        // Only digits can be typed; an empty or too large value is refused on saving.
        // The C locale without group separators: the validator's fix-up on leaving the field
        // then never turns digits into "1 000".
        auto* validator = new QIntValidator(0, number.maximum, edit);
        QLocale plain = QLocale::c();
        plain.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        validator->setLocale(plain);
        edit->setValidator(validator);
        edit->setMaximumWidth(100);
        const QString caption = QString::fromUtf8(number.caption);
        auto* label = new QLabel(caption);
        label->setObjectName(edit->objectName() + QStringLiteral("Label"));
        numbers->addWidget(label, row, 0);
        numbers->addWidget(edit, row, 1);
        ++row;
        m_numbers.append({edit, caption.trimmed(), number.maximum, number.member});
    }
    auto* noLimit = new QLabel(kNoLimit);
    noLimit->setObjectName(widget->objectName() + QStringLiteral("UwagaLabel"));
    numbers->addWidget(noLimit, row, 0, 1, 2);
    numbers->setColumnStretch(2, 1);
    layout->addLayout(numbers);
    layout->addStretch(1);
    return widget;
}

QWidget* TfOpcjeProgramu::buildReportsPage() {
    QWidget* widget = page("Raporty");
    auto* layout = new QVBoxLayout(widget);
    addFlags(layout, Reports);
    layout->addStretch(1);
    return widget;
}

QWidget* TfOpcjeProgramu::buildIndividualReportsPage() {
    QWidget* widget = page("RaportyPrywatneTab");
    auto* layout = new QVBoxLayout(widget);
    QLabel* explanation = wrapped(QStringLiteral(
        "Aby dodać do programu nowy raport indywidualny dostarczony przez producenta dopisz "
        "poniżej nową linię tekstu podając w niej nazwę pliku i po przecinku nazwę raportu. "
        "Ważne by zapis o pojedynczym raporcie znajdował się w jednej linii."));
    explanation->setObjectName(QStringLiteral("opisRaportowLabel"));
    layout->addWidget(explanation);
    QLabel* exampleCaption = wrapped(
        QStringLiteral("Przykład: aby dodać w programie dwa raporty należy dokonać zapisu jak "
                       "poniżej:"));
    exampleCaption->setObjectName(QStringLiteral("przykladLabel"));
    layout->addWidget(exampleCaption);
    auto* example = new QFrame;
    example->setFrameShape(QFrame::Box);
    auto* exampleLayout = new QVBoxLayout(example);
    int exampleLine = 0;
    for (const QString& line : {QStringLiteral("Raport1.exe , Raport pierwszy"),
                                QStringLiteral("Raport2.exe , Raport drugi")}) {
        auto* label = new QLabel(line);
        label->setObjectName(QStringLiteral("przyklad%1Label").arg(++exampleLine));
        label->setStyleSheet(QStringLiteral("font-weight: bold;"));
        exampleLayout->addWidget(label);
    }
    layout->addWidget(example);
    m_reportLines = new QPlainTextEdit;
    m_reportLines->setObjectName(QStringLiteral("raportyPrywatneDef"));
    m_reportLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(m_reportLines, 1);
    return widget;
}

void TfOpcjeProgramu::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        fill();
    QDialog::showEvent(event);
}

void TfOpcjeProgramu::fill() {
    for (const FlagBox& flag : m_flags)
        flag.box->setChecked(m_config.*flag.member);
    for (const NumberBox& number : m_numbers)
        number.edit->setText(QString::number(m_config.*number.member));
    const QString path =
        m_reportListPath.isEmpty() ? ReportList::effectivePath() : m_reportListPath;
    m_reportLines->setPlainText(ReportList::toText(ReportList::load(path)));
    m_tabs->setCurrentIndex(0);
}

void TfOpcjeProgramu::save() {
    // Every number first: a value that cannot be taken stops everything before any write.
    TconfigPP changed = m_config;
    for (const NumberBox& number : m_numbers) {
        const std::optional<int> value = boundedNumber(number.edit->text(), number.maximum);
        if (!value) {
            m_messages.information(QStringLiteral("Uwaga"),
                                   QStringLiteral("Niepoprawna wartość pola \"%1\". Wpisz liczbę "
                                                  "od 0 do %2.")
                                       .arg(number.caption)
                                       .arg(number.maximum));
            for (int i = 0; i < m_tabs->count(); ++i) {
                if (m_tabs->widget(i)->isAncestorOf(number.edit))
                    m_tabs->setCurrentIndex(i);
            }
            number.edit->setFocus();
            number.edit->selectAll();
            return;
        }
        changed.*number.member = *value;
    }
    for (const FlagBox& flag : m_flags)
        changed.*flag.member = flag.box->isChecked();

    const QString reportPath =
        m_reportListPath.isEmpty() ? ReportList::userPath() : m_reportListPath;
    if (!ReportList::save(reportPath, ReportList::fromText(m_reportLines->toPlainText()))) {
        m_messages.information(QStringLiteral("Błąd"),
                               QStringLiteral("Nie można zapisać pliku %1.")
                                   .arg(QDir::toNativeSeparators(reportPath)));
        return;
    }
    if (m_settings && !m_settings->save(changed)) {
        m_messages.information(QStringLiteral("Błąd"),
                               QStringLiteral("Nie można zapisać pliku %1.")
                                   .arg(QDir::toNativeSeparators(m_settings->path())));
        return;
    }
    m_config = changed;
    accept();
}
