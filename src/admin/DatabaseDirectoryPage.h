#pragma once

#include <QWidget>

class MessageService;
class QCheckBox;
class QFileSystemModel;
class QLineEdit;
class QTreeView;

// A page of the database window that chooses where a database is: the directory tree,
// the path field (which also takes a postgresql:// address) and, for a new database, the
// button that makes a subdirectory and the option of the sample company.
class DatabaseDirectoryPage : public QWidget {
    Q_OBJECT

public:
    enum class Kind { NewDatabase, OpenDatabase };

    DatabaseDirectoryPage(Kind kind, QFileSystemModel* directories, MessageService& messages,
                          QWidget* parent = nullptr);

    QLineEdit* path() const { return m_path; }
    bool withSample() const;  // a new database: the sample company goes with it
    // Opens the tree down to the directory and shows it; the field gets text.
    void start(const QString& directory, const QString& text);
    // "Stwórz nowy podkatalog w wybranej lokalizacji ": one new directory directly under
    // the one in the field, its name asked for.
    void makeSubdirectory();

signals:
    void pathChanged();

private:
    QFileSystemModel* m_directories;
    MessageService& m_messages;
    QTreeView* m_tree = nullptr;
    QLineEdit* m_path = nullptr;
    QCheckBox* m_sample = nullptr;
};
