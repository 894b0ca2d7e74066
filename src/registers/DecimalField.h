#pragma once

#include <QLineEdit>
#include <optional>

// A number field: "." and "," typed become the system's decimal separator, and leaving
// the field rewrites a number with two decimals. A text that is no number is left as
// typed, or becomes 0, as the dialog asks.
class DecimalField : public QLineEdit {
    Q_OBJECT

public:
    enum class OnLeave { Keep, TwoDecimals, TwoDecimalsOrZero, WholeNumber, WholeNumberOrZero };

    DecimalField(const QString& objectName, int maxLength,
                 OnLeave onLeave = OnLeave::TwoDecimalsOrZero, QWidget* parent = nullptr);

    // The number typed, with either separator; nullopt when it is none.
    std::optional<double> value() const;
    static std::optional<double> parse(const QString& text);
    void setValue(double value, int decimals = 2);
    // Rewrites the text as the field does when it is left.
    void normalise();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    OnLeave m_onLeave;
};
