#pragma once

#include "support/MessageService.h"

#include <QPointer>
#include <QWidget>

class QFileDialog;

// The message service of the windows: the program's own information, question and prompt
// boxes, and Qt's (non-native) file dialogs. Boxes are centred on the parent window.
class WidgetMessageService : public MessageService {
public:
    // parent may be null: the boxes are then centred on the screen.
    explicit WidgetMessageService(QWidget* parent);

    // The main window exists only after the database has been opened.
    void setParent(QWidget* parent) { m_parent = parent; }
    QWidget* parent() const { return m_parent; }

    void information(const QString& title, const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    std::optional<QString> prompt(const QString& title, const QString& text,
                                  const QString& defaultValue, bool password) override;
    // Asks (a question box) before overwriting an existing file; "Nie" returns to the
    // file dialog. A name typed without an extension gets the chosen filter's one.
    QString saveFileName(const QString& title, const QString& proposedName,
                         const QStringList& filters) override;
    QString openFileName(const QString& title, const QStringList& filters) override;

private:
    // A guarded pointer: the main window goes before the service does.
    QPointer<QWidget> m_parent;
};
