#pragma once

#include "data/ListModel.h"
#include "data/TmyDataBase.h"

#include <QMainWindow>
#include <memory>

class QComboBox;
class QTableView;

// A plain window that lists any register of one company, until the main window with its
// pages and filters takes its place.
class RegisterBrowser : public QMainWindow {
    Q_OBJECT

public:
    RegisterBrowser(TmyDataBase& database, const QString& companyName, QWidget* parent = nullptr);

private:
    void showRegister(int index);

    TmyDataBase& m_database;
    QComboBox* m_register = nullptr;
    QTableView* m_grid = nullptr;
    std::unique_ptr<ListModel> m_model;
};
