// Closing a window while a field holds the focus: nothing the window's children do while
// they are destroyed (a number field formatting itself, a tab page switching) may reach
// the window's own slots, whose part of the object is already gone.
#include "ScriptedMessageService.h"
#include "TestDataDir.h"
#include "TestLocation.h"
#include "admin/LocationStore.h"
#include "admin/uLogin.h"
#include "admin/uUserEdit.h"
#include "admin/uUserzy.h"
#include "admin/uWskazBaze.h"
#include "data/TmyDataBase.h"
#include "data/schema/DatabaseCreator.h"
#include "registers/LookupField.h"
#include "registers/uBiblioteka.h"
#include "registers/uCenyPaliw.h"
#include "registers/uEditBibliotekaAll.h"
#include "registers/uFirma.h"
#include "registers/uKoszty.h"
#include "registers/uNaprawy.h"
#include "registers/uOpony.h"
#include "registers/uOsobowa.h"
#include "registers/uPojazdy.h"
#include "registers/uPrzejazdy.h"
#include "registers/uRozliczenia.h"
#include "registers/uStawki.h"
#include "registers/uSzkody.h"
#include "registers/uZuzycie.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <memory>

namespace {

using Factory = std::function<QWidget*(TmyDataBase&, MessageService&)>;

struct Window {
    const char* name;
    Factory make;
};

QList<Window> windows() {
    static LocationStore store;
    return {
        {"TfKoszty", [](auto& db, auto& m) { return new TfKoszty(db, m); }},
        {"TfNaprawy", [](auto& db, auto& m) { return new TfNaprawy(db, m); }},
        {"TfSzkody", [](auto& db, auto& m) { return new TfSzkody(db, m); }},
        {"TfOpony", [](auto& db, auto& m) { return new TfOpony(db, m); }},
        {"TfPojazdy", [](auto& db, auto& m) { return new TfPojazdy(db, m, QStringLiteral("F")); }},
        {"TfOsobowa", [](auto&, auto& m) { return new TfOsobowa(m); }},
        {"TfZuzycie", [](auto& db, auto& m) { return new TfZuzycie(RegisterId::Zuzycie, db, m); }},
        {"TfCenyPaliw", [](auto& db, auto& m) { return new TfCenyPaliw(db, m); }},
        {"TfPrzejazdy", [](auto& db, auto& m) { return new TfPrzejazdy(db, m); }},
        {"TfStawki", [](auto& db, auto& m) { return new TfStawki(db, m); }},
        {"TfRozliczenia", [](auto& db, auto& m) { return new TfRozliczenia(db, m); }},
        {"TfFirma", [](auto&, auto& m) { return new TfFirma(m); }},
        {"TfEditBibliotekaAll",
         [](auto&, auto& m) { return new TfEditBibliotekaAll(QStringLiteral("RDWYD"), true, m); }},
        {"TfBiblioteka", [](auto& db, auto& m) { return new TfBiblioteka(db, m, true, true); }},
        {"TfUserzy", [](auto& db, auto& m) { return new TfUserzy(db, m); }},
        {"TfUserEdit", [](auto&, auto& m) { return new TfUserEdit(m); }},
        {"TfLogin", [](auto& db, auto& m) { return new TfLogin(db, m); }},
        {"TfWskazBaze", [](auto& db, auto& m) { return new TfWskazBaze(db, m, store); }},
    };
}

// Every signal of the children that a window's slots listen to.
std::vector<std::unique_ptr<QSignalSpy>> spyOnChildren(QWidget* window) {
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        spies.push_back(std::make_unique<QSignalSpy>(edit, &QLineEdit::textChanged));
        spies.push_back(std::make_unique<QSignalSpy>(edit, &QLineEdit::editingFinished));
    }
    for (QComboBox* combo : window->findChildren<QComboBox*>())
        spies.push_back(std::make_unique<QSignalSpy>(combo, &QComboBox::currentIndexChanged));
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        spies.push_back(std::make_unique<QSignalSpy>(tabs, &QTabWidget::currentChanged));
    for (LookupField* lookup : window->findChildren<LookupField*>())
        spies.push_back(std::make_unique<QSignalSpy>(lookup, &LookupField::chosen));
    return spies;
}

}  // namespace

class TstTeardown : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        m_dataDir = std::make_unique<TestDataDir>();
        m_location = std::make_unique<TestLocation>();
        REQUIRE_LOCATION(*m_location);
        QVERIFY(DatabaseCreator::createDatabase(m_location->location(), false).ok);
        QVERIFY(DatabaseCreator::addCompany(m_location->location(), QStringLiteral("Firma"),
                                            QStringLiteral("t"))
                    .ok);
        m_db = std::make_unique<TmyDataBase>(&m_messages);
        QVERIFY(m_db->openCompany(m_location->location(), QStringLiteral("t")));
    }

    // Each window is destroyed once with the focus in each of its fields; a text field
    // holds a text it would rewrite when left.
    void destroyedWithFocusInAField_data() {
        QTest::addColumn<int>("window");
        const QList<Window> all = windows();
        for (int i = 0; i < all.size(); ++i)
            QTest::newRow(all[i].name) << i;
    }
    void destroyedWithFocusInAField() {
        QFETCH(int, window);
        const Factory make = windows().at(window).make;
        int fields = 0;
        for (int f = 0;; ++f) {
            QWidget* shown = make(*m_db, m_messages);
            shown->show();
            QApplication::setActiveWindow(shown);
            QVERIFY(QTest::qWaitForWindowActive(shown));
            QList<QWidget*> focusable;
            for (QWidget* child : shown->findChildren<QWidget*>()) {
                if (child->isVisible() && child->isEnabled() && child->focusPolicy() != Qt::NoFocus)
                    focusable << child;
            }
            if (f >= focusable.size()) {
                delete shown;
                break;
            }
            if (auto* edit = qobject_cast<QLineEdit*>(focusable[f]))
                edit->setText(QStringLiteral("1,5x"));
            focusable[f]->setFocus();
            QVERIFY(QApplication::focusWidget() &&
                    shown->isAncestorOf(QApplication::focusWidget()));
            const QString name = QApplication::focusWidget()->objectName();
            const auto spies = spyOnChildren(shown);
            delete shown;
            int emitted = 0;
            for (const auto& spy : spies)
                emitted += spy->count();
            QVERIFY2(emitted == 0, qPrintable(name));
            ++fields;
        }
        QVERIFY(fields > 0);
    }

private:
    ScriptedMessageService m_messages;
    std::unique_ptr<TestDataDir> m_dataDir;
    std::unique_ptr<TestLocation> m_location;
    std::unique_ptr<TmyDataBase> m_db;
};

QTEST_MAIN(TstTeardown)
#include "tst_teardown.moc"
