#include "app/RegisterBrowser.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

RegisterBrowser::RegisterBrowser(TmyDataBase& database, const QString& companyName, QWidget* parent)
    : QMainWindow(parent), m_database(database) {
    setWindowTitle(QStringLiteral("Flotanor - ") + companyName);
    auto* bar = addToolBar(QStringLiteral("Rejestr"));
    bar->setMovable(false);
    bar->addWidget(new QLabel(QStringLiteral(" Rejestr: ")));
    m_register = new QComboBox;
    for (const RegisterDescriptor& d : Registers::all())
        m_register->addItem(d.caption);
    bar->addWidget(m_register);

    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("RegisterGrid"));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionsMovable(false);
    setCentralWidget(m_grid);
    statusBar()->showMessage(companyName);

    connect(m_register, &QComboBox::currentIndexChanged, this, &RegisterBrowser::showRegister);
    showRegister(int(RegisterId::Koszty));
    m_register->setCurrentIndex(int(RegisterId::Koszty));
    resize(1200, 760);
}

void RegisterBrowser::showRegister(int index) {
    const auto id = RegisterId(index);
    auto model = std::make_unique<ListModel>(id);
    // The consumption registers list one vehicle at a time: take the first one.
    if (Registers::get(id).isConsumption()) {
        const QStringList vehicles = m_database.lookups().registrations();
        FilterSelection selection;
        for (const QString& registration : vehicles) {
            selection.vehicle = registration;
            m_database.applySelection(selection);
            if (m_database.refreshList(id, *model) && model->rowCount() > 0)
                break;
        }
    } else {
        m_database.applySelection(FilterSelection());
        m_database.refreshList(id, *model);
    }
    m_grid->setModel(model.get());
    m_model = std::move(model);
    m_grid->resizeColumnsToContents();
    statusBar()->showMessage(
        QStringLiteral("%1: %2 pozycji").arg(Registers::get(id).caption).arg(m_model->rowCount()));
}
