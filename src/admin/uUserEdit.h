#pragma once

#include <QDialog>

class MessageService;
class QLineEdit;
class QPushButton;

// The account dialog ("Informacje o użytkowniku"): name, password twice and description.
// A new account needs a password; an edited one keeps its name, and its password too when
// both password fields stay empty, because the stored password is never shown.
class TfUserEdit : public QDialog {
    Q_OBJECT

public:
    explicit TfUserEdit(MessageService& messages, QWidget* parent = nullptr);
    ~TfUserEdit() override;

    struct Values {
        QString name;
        QString password;  // empty when an edit keeps the stored password
        QString repeat;
        QString description;
    };

    // A new account: every field as given (empty at first, the typed values when the
    // dialog is opened again) and the name editable.
    void setNew(const Values& values);
    // An existing account: the name fixed, both password fields empty.
    void setExisting(const QString& name, const QString& description);
    bool isNew() const { return m_new; }
    Values values() const;

    // Shows the dialog; true when it closed saved.
    bool run();

private:
    void save();

    MessageService& m_messages;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_repeat = nullptr;
    QLineEdit* m_description = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_new = true;
    bool m_saved = false;
};
