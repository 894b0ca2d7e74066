#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The prompt box: a text, one edit field and "Ok" / "Anuluj". The field starts with the
// initial value selected, so typing replaces it. Enter accepts, Esc cancels. In password
// mode every character shows as '*'.
class TpromptForm : public QDialog {
    Q_OBJECT

public:
    TpromptForm(const QString& title, const QString& text, const QString& initialValue,
                bool password, QWidget* parent = nullptr);

    // The text of the field, or nullopt when cancelled (or the application is closing
    // down). The password mode holds for this call only.
    static std::optional<QString> prompt(QWidget* parent, const QString& title, const QString& text,
                                         const QString& initialValue, bool password);

    QString value() const;
    QLabel* textLabel() const { return m_text; }
    QLineEdit* field() const { return m_value; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_text = nullptr;
    QLineEdit* m_value = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
