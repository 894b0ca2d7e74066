#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The start page: the company and the user logged in, the program's web address, and the
// notepad pane kept between runs.
class StartPage : public QWidget {
    Q_OBJECT

public:
    explicit StartPage(QWidget* parent = nullptr);

    void setCompany(const QString& name);
    QString company() const;
    void setUser(const QString& text);
    void setLink(const QString& url);
    QPlainTextEdit* notepad() const { return m_notepad; }

private:
    QLabel* m_company = nullptr;
    QLabel* m_user = nullptr;
    QLabel* m_link = nullptr;
    QPlainTextEdit* m_notepad = nullptr;
};
