#pragma once

#include <QWidget>

class QFileSystemModel;
class QLineEdit;
class QPlainTextEdit;
class QTreeView;

// The database window's page that moves a database of the earlier Windows release into a
// new one: the legacy main directory (chosen in the tree or typed), the new location and,
// afterwards, the report of each table.
class LegacyImportPage : public QWidget {
    Q_OBJECT

public:
    LegacyImportPage(QFileSystemModel* directories, QWidget* parent = nullptr);

    void start(const QString& directory);
    QLineEdit* source() const { return m_source; }
    QLineEdit* target() const { return m_target; }
    void showReport(const QString& text);

signals:
    void changed();

private:
    QFileSystemModel* m_directories;
    QTreeView* m_tree = nullptr;
    QLineEdit* m_source = nullptr;
    QLineEdit* m_target = nullptr;
    QPlainTextEdit* m_report = nullptr;
};
