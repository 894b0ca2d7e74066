#pragma once

#include <QDialog>
#include <QList>

struct TconfigPP;
class SettingsFile;
class MessageService;
class QBoxLayout;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

// The options window ("Opcje programu"). Showing it fills every box from the record and
// the individual reports from their list; "Zapisz" writes the report list, then the
// record and the settings file, and closes with Accepted. Esc and the close box leave
// everything as it was.
class TfOpcjeProgramu : public QDialog {
    Q_OBJECT

public:
    // An empty reportListPath follows ReportList's rule: the copy in effect is read, the
    // user's copy written. settings may be null: then only the record changes.
    TfOpcjeProgramu(TconfigPP& config, SettingsFile* settings, MessageService& messages,
                    QString reportListPath = {}, QWidget* parent = nullptr);
    ~TfOpcjeProgramu() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct FlagBox {
        QCheckBox* box;
        bool TconfigPP::*member;
    };
    struct NumberBox {
        QLineEdit* edit;
        QString caption;
        int maximum;
        int TconfigPP::*member;
    };

    QWidget* buildGeneralPage();
    QWidget* buildCheckPage(const char* name, int leftPlace, int rightPlace, int numbersPlace);
    QWidget* buildReportsPage();
    QWidget* buildIndividualReportsPage();
    void addFlags(QBoxLayout* layout, int place);

    void fill();
    void save();

    TconfigPP& m_config;
    SettingsFile* m_settings;
    MessageService& m_messages;
    QString m_reportListPath;
    QList<FlagBox> m_flags;
    QList<NumberBox> m_numbers;
    QTabWidget* m_tabs = nullptr;
    QPlainTextEdit* m_reportLines = nullptr;
};
