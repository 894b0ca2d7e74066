#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QComboBox;
class QToolButton;
class TmyDataBase;

// A typed text with the suggestions of a dictionary (kinds, contractors, routes): the list,
// "[...]" opening that dictionary in the library and, when given, "X" emptying the text.
// After the library closes the suggestions are read again; what is typed stays.
class SuggestedText : public QWidget {
    Q_OBJECT

public:
    using Source = std::function<QStringList()>;

    SuggestedText(QComboBox* combo, QToolButton* library, QToolButton* clear, TmyDataBase& database,
                  QString dictionary, Source suggestions);

    QComboBox* combo() const { return m_combo; }
    QString text() const;
    void setText(const QString& text);
    // Reads the suggestions again, keeping what is typed.
    void reload();

signals:
    // After the library opened by "[...]" closed, the list read again: other lists of the
    // dialog may hold what was added there too.
    void libraryClosed();

private:
    QComboBox* m_combo;
    TmyDataBase& m_db;
    QString m_dictionary;
    Source m_suggestions;
};
