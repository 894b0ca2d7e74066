#pragma once

#include "admin/ConfigPP.h"

#include <QDialog>

class QLabel;
class QPushButton;

// "O programie": the name, the version, the support address and the web site as links.
class TfAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfAbout(const TconfigPP& config, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return m_version; }
    QLabel* emailLabel() const { return m_email; }
    QLabel* wwwLabel() const { return m_www; }
    QPushButton* okButton() const { return m_ok; }

    // A link whose address and text are escaped for a rich-text label.
    static QString link(const QString& href, const QString& text);

private:
    QLabel* m_version = nullptr;
    QLabel* m_email = nullptr;
    QLabel* m_www = nullptr;
    QPushButton* m_ok = nullptr;
};
