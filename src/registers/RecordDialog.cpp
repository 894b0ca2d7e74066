#include "registers/RecordDialog.h"

#include "registers/SuggestedText.h"

#include "data/DisplayFormat.h"
#include "registers/DateField.h"
#include "registers/DecimalField.h"
#include "registers/QuietTeardown.h"
#include "support/MessageService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

RecordDialog::RecordDialog(const QString& objectName, const QString& title, const QString& banner,
                           MessageService& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(objectName);
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* header = new QLabel(banner);
    header->setObjectName(QStringLiteral("Banner"));
    QFont font = header->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    header->setFont(font);
    header->setStyleSheet(QStringLiteral("QLabel#Banner { color: #1f3f7a; padding-bottom: 6px; }"));
    layout->addWidget(header);
    m_form = new QGridLayout;
    m_form->setHorizontalSpacing(8);
    m_form->setVerticalSpacing(5);
    layout->addLayout(m_form);
    m_extras = new QVBoxLayout;
    layout->addLayout(m_extras);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox;
    m_save = buttons->addButton(QStringLiteral("&Zapisz"), QDialogButtonBox::AcceptRole);
    m_save->setObjectName(QStringLiteral("BZapisz"));
    m_save->setToolTip(QStringLiteral("Zapisz zmiany"));
    m_save->setDefault(true);
    m_cancel = buttons->addButton(QStringLiteral("&Anuluj"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("BAnuluj"));
    m_cancel->setToolTip(QStringLiteral("Anuluj zmiany"));
    m_cancel->setAutoDefault(false);
    layout->addWidget(buttons);
    connect(m_save, &QPushButton::clicked, this, &RecordDialog::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// The dialogs' own slots belong to the derived part, already gone when the children die.
RecordDialog::~RecordDialog() {
    quietTeardown(this);
}

QCheckBox* RecordDialog::addCostsOption(const QString& text) {
    m_toCosts = new QCheckBox(text);
    m_toCosts->setObjectName(QStringLiteral("dodajDoKosztow"));
    m_extras->addWidget(m_toCosts);
    return m_toCosts;
}

bool RecordDialog::handsOnToCosts() const {
    return m_toCosts && m_costsAllowed && m_toCosts->isChecked();
}

void RecordDialog::showEvent(QShowEvent* event) {
    // Set on every showing: leaving the preview enables every check box.
    if (m_toCosts)
        m_toCosts->setEnabled(m_costsAllowed && !m_preview);
    QDialog::showEvent(event);
}

void RecordDialog::setPreview(bool preview) {
    m_preview = preview;
    m_save->setText(preview ? QStringLiteral("&OK") : QStringLiteral("&Zapisz"));
    m_cancel->setVisible(!preview);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setReadOnly(preview);
    for (QComboBox* combo : findChildren<QComboBox*>())
        combo->setEnabled(!preview);
    for (QCheckBox* box : findChildren<QCheckBox*>())
        box->setEnabled(!preview);
    for (QToolButton* button : findChildren<QToolButton*>())
        button->setEnabled(!preview);
}

bool RecordDialog::run() {
    m_saved = false;
    exec();
    return m_saved && !m_preview;
}

void RecordDialog::save() {
    if (m_preview) {
        reject();
        return;
    }
    if (!checkFields())
        return;
    m_saved = true;
    accept();
}

bool RecordDialog::refuse(const QString& message, QWidget* field) {
    m_messages.information(QStringLiteral("Uwaga"), message);
    if (field) {
        field->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
    }
    return false;
}

// The name of the control a form row is about: the edit of a date or lookup panel, or the
// first control of a field with buttons beside it.
static QString fieldName(const QWidget* field) {
    QString name = field->objectName();
    if (name.isEmpty()) {
        const auto* inner = field->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        return inner ? fieldName(inner) : QString();
    }
    if (name.endsWith(QLatin1String("Panel")))
        name.chop(5);
    return name;
}

void RecordDialog::addRow(int row, int column, const QString& label, QWidget* field,
                          const QString& unit, int span) {
    const QString name = fieldName(field);
    auto* caption = new QLabel(label);
    if (!name.isEmpty())
        caption->setObjectName(name + QStringLiteral("Label"));
    caption->setBuddy(field);
    m_form->addWidget(caption, row, column * 3, Qt::AlignRight | Qt::AlignVCenter);
    if (unit.isEmpty()) {
        m_form->addWidget(field, row, column * 3 + 1, 1, span * 3 - 1);
        return;
    }
    auto* box = new QWidget;
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(field, 1);
    auto* unitLabel = new QLabel(unit);
    if (!name.isEmpty())
        unitLabel->setObjectName(name + QStringLiteral("UnitLabel"));
    line->addWidget(unitLabel);
    m_form->addWidget(box, row, column * 3 + 1, 1, span * 3 - 1);
}

QLineEdit* RecordDialog::textField(const QString& objectName, int maxLength, const QString& hint) {
    auto* edit = new QLineEdit;
    edit->setObjectName(objectName);
    edit->setMaxLength(maxLength);
    if (!hint.isEmpty()) {
        edit->setToolTip(hint);
        edit->setStatusTip(hint);
    }
    return edit;
}

DecimalField* RecordDialog::decimalField(const QString& objectName, int maxLength, int onLeave) {
    return new DecimalField(objectName, maxLength, DecimalField::OnLeave(onLeave));
}

DateField* RecordDialog::dateField(const QString& objectName) {
    return new DateField(objectName);
}

QComboBox* RecordDialog::suggestField(const QString& objectName, int maxLength) {
    auto* combo = new QComboBox;
    combo->setObjectName(objectName);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setMaxLength(maxLength);
    combo->setMinimumContentsLength(18);
    return combo;
}

SuggestedText* RecordDialog::suggestedText(const QString& objectName, int maxLength,
                                           TmyDataBase& database, const QString& dictionary,
                                           std::function<QStringList()> source,
                                           const QString& clearHint) {
    QToolButton* library =
        toolButton(objectName + QStringLiteral("Biblioteka"), QStringLiteral("[...]"),
                   QStringLiteral("Otwórz bibliotekę słowników"));
    QToolButton* clear = clearHint.isEmpty() ? nullptr
                                             : toolButton(objectName + QStringLiteral("Clear"),
                                                          QStringLiteral("X"), clearHint);
    return new SuggestedText(suggestField(objectName, maxLength), library, clear, database,
                             dictionary, std::move(source));
}

QString RecordDialog::dateText(const Record& record, const QString& field) {
    return DisplayFormat().date(record.integer(field));
}

QString RecordDialog::twoDecimals(double value) {
    return DisplayFormat().number(value, 2);
}

QToolButton* RecordDialog::toolButton(const QString& objectName, const QString& text,
                                      const QString& hint) {
    auto* button = new QToolButton;
    button->setObjectName(objectName);
    button->setText(text);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    return button;
}

QWidget* RecordDialog::withButtons(QWidget* field, std::initializer_list<QWidget*> buttons) {
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(field, 1);
    for (QWidget* button : buttons)
        layout->addWidget(button);
    return box;
}

QVariant RecordDialog::personKey(const Record& record, const QString& field) {
    const QString key = record.text(field).trimmed();
    return key.isEmpty() || key == QLatin1String("0") ? QVariant() : QVariant(key);
}
