#pragma once

#include <QWidget>

class QVBoxLayout;

// A page of the main window that shows one centred caption: the group pages' "Aby
// edytować kliknij właściwą ikonę po lewo", and the pages still being prepared.
class MessagePage : public QWidget {
    Q_OBJECT

public:
    MessagePage(const QString& objectName, const QString& text, QWidget* parent = nullptr);

protected:
    QVBoxLayout* column() const { return m_column; }

private:
    QVBoxLayout* m_column = nullptr;
};
