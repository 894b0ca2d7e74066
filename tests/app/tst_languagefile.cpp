#include "ScriptedMessageService.h"
#include "TestCompany.h"
#include "app/LanguageFileGenerator.h"
#include "registers/uKoszty.h"
#include "registers/uPojazdy.h"
#include "registers/uZuzycie.h"
#include "shell/WindowTexts.h"
#include "shell/uMain.h"
#include "support/IniFile.h"
#include "support/translation/TResourceTranslator.h"

#include <QComboBox>
#include <QTest>
#include <functional>
#include <memory>

namespace {

const QString kShipped = QStringLiteral(FLOTANOR_SOURCE_DIR "/resources/english.ini");

}  // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT

    ScriptedMessageService m_messages;
    std::unique_ptr<TestCompany> m_company;

private slots:
    void initTestCase() {
        m_company = std::make_unique<TestCompany>();
        REQUIRE_LOCATION(m_company->place());
        QVERIFY2(m_company->create(DatabaseCreator::Contents::Sample, &m_messages),
                 qPrintable(m_company->error()));
    }

    // Every text of every window reaches the file, and the shipped English file holds a
    // translation for every key the program's windows have today.
    void everyWindowTextInTheShippedFile() {
        const QString file = m_company->dataDirectory() + QStringLiteral("/generated.ini");
        TconfigPP config;
        config.pokazujPoradeDnia = false;
        TfMain window(m_company->db(), m_messages, config);
        const GeneratedLanguageFile generated =
            generateLanguageFile(window, m_company->db(), m_messages, file);
        QVERIFY(generated.written);
        QVERIFY2(generated.unnamed.isEmpty(), qPrintable(generated.unnamed.join(u'\n')));

        const IniFile made(file);
        const IniFile shipped(kShipped);
        QStringList missing;
        const QStringList sections = made.sections();
        QVERIFY(sections.contains(QStringLiteral("TfKoszty")));
        QVERIFY(sections.contains(QStringLiteral("Reports")));
        for (const QString& section : sections) {
            QSet<QString> keys;
            for (const auto& [key, value] : shipped.entries(section))
                keys.insert(key.toCaseFolded());
            for (const auto& [key, value] : made.entries(section)) {
                if (!keys.contains(key.toCaseFolded()))
                    missing << section + u'/' + key + u'=' + value;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.mid(0, 40).join(u'\n')));
    }

    // Lists show translated items, but what a dialog stores is the same with the English
    // file as without it.
    void sameRecordWithEnglish_data() {
        QTest::addColumn<int>("dialog");
        QTest::newRow("vehicle") << 0;
        QTest::newRow("cost") << 1;
        QTest::newRow("refuelling") << 2;
    }
    void sameRecordWithEnglish() {
        QFETCH(int, dialog);
        const TResourceTranslator english(kShipped);
        QVERIFY(!english.isEmpty());
        TmyDataBase& db = m_company->db();
        auto make = [&]() -> std::unique_ptr<RecordDialog> {
            switch (dialog) {
                case 0:
                    return std::make_unique<TfPojazdy>(db, m_messages, QStringLiteral("Firma"));
                case 1:
                    return std::make_unique<TfKoszty>(db, m_messages);
                default:
                    return std::make_unique<TfZuzycie>(RegisterId::Zuzycie, db, m_messages);
            }
        };
        Record stored[2];
        for (int translated = 0; translated < 2; ++translated) {
            auto window = make();
            window->setRecord(Record());
            if (translated)
                WindowTexts::translate(*window, english);
            // The last item of every list of the program's own items.
            for (QComboBox* combo : window->findChildren<QComboBox*>()) {
                if (!combo->isEditable() && !combo->property("dataItems").toBool() &&
                    combo->count() > 1)
                    combo->setCurrentIndex(combo->count() - 1);
            }
            stored[translated] = window->record();
        }
        QCOMPARE(stored[1], stored[0]);
    }
};

QTEST_MAIN(TestLanguageFile)
#include "tst_languagefile.moc"
