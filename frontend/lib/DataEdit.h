// The numeric entry field of every input window and grid cell.
//
// The text is an expression (EvaluateExpression) whose value must lie
// between MinVal and MaxVal, and be whole when IntegerOnly is set. When the
// field is left (focus moves to another control of the window), on Enter and
// in Validate, the exit check evaluates the text, tells the user what is
// wrong, and otherwise shows the value again in its canonical form. A
// companion label shows the caption and the unit of the value in the field's
// unit system.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <functional>

namespace tarne {

class TDataEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TDataEdit(QWidget* parent = nullptr);

    // The value of the text. Throws EAssignError or EMathError when the text
    // does not evaluate.
    long double Number() const;
    // Shows `value`, clamped to the bounds (not while loading).
    void SetNumber(long double value);

    // Inclusive bounds; by default the whole extended range (+-1.1E+4932).
    // A new bound never crosses the other one, is kept in the 32-bit range
    // with IntegerOnly, and moves a value outside it onto it.
    long double MinVal() const { return MinVal_; }
    void SetMinVal(long double value);
    long double MaxVal() const { return MaxVal_; }
    void SetMaxVal(long double value);

    // Only whole numbers in the signed 32-bit range.
    bool IntegerOnly() const { return IntegerOnly_; }
    void SetIntegerOnly(bool on);

    // Shows the value as "$" hexadecimal after the exit check.
    bool Hex() const { return Hex_; }
    void SetHex(bool on) { Hex_ = on; }

    // The companion label reads "Caption (unit label)", or the caption alone
    // without a unit; it is enabled with the field and focuses it.
    QString Caption() const { return Caption_; }
    void SetCaption(const QString& caption);
    QLabel* EditLabel() const { return EditLabel_; }
    void SetEditLabel(QLabel* label);
    // Unit-token string of the value, such as "F/L2^3" (see units.h).
    QString UnitsString() const { return UnitsString_; }
    void SetUnitsString(const QString& units);
    // Unit system of the label: 1 English, 2 S.I., 3 the tokens as written.
    int Units() const { return Units_; }
    void SetUnits(int system);

    // While a window sets up its fields, bounds and values are stored as
    // given, without clamping.
    void SetLoading(bool loading) { Loading_ = loading; }
    bool Loading() const { return Loading_; }

    // Runs the exit check now; true when the entry is acceptable. Input
    // windows call it for their active field before they close or lose focus.
    bool Validate();
    // Whether the last exit check succeeded.
    bool Valid() const { return Valid_; }

    // How the field talks to the user. Information: its own messages about
    // the entry. Error: an arithmetic fault of the evaluation (1/0, ln0),
    // which is the application's to report. "\r" in a text is a line break.
    enum class MessageKind { Information, Error };
    using MessageHandler = std::function<void(TDataEdit& field, const QString& text, MessageKind kind)>;
    // Sends the messages of every field to `handler` (an empty one restores
    // the message boxes); returns the handler it replaces.
    static MessageHandler SetMessageHandler(MessageHandler handler);

signals:
    // Emitted at the start of every exit check.
    void Exit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ExitCheck();
    void Complain(const QString& text);
    void ShowMessage(const QString& text, MessageKind kind);
    void UpdateLabel();
    QString Format(long double value) const;

    long double MinVal_;
    long double MaxVal_;
    bool IntegerOnly_ = false;
    bool Hex_ = false;
    QString Caption_;
    QPointer<QLabel> EditLabel_;
    QString UnitsString_;
    int Units_ = 1;
    bool Loading_ = false;
    bool Valid_ = false;
    bool InExitCheck_ = false;
};

}  // namespace tarne
