#pragma once

#include "data/schema/DatabaseCreator.h"

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;

// A page of the database window that chooses a company of the database: the list of
// companies, the name and directory of the one chosen and, for renaming, its new name.
class CompanyListPage : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Rename, Delete };

    explicit CompanyListPage(Kind kind, QWidget* parent = nullptr);

    void setCompanies(const QList<CompanyEntry>& companies);  // none chosen
    std::optional<CompanyEntry> chosen() const;
    QString newName() const;  // renaming: the name typed, trimmed

signals:
    void choiceChanged();

private:
    QListWidget* m_list = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_dir = nullptr;
    QLineEdit* m_newName = nullptr;
};
