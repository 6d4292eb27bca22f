#include "DataEdit.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>
#include <optional>

#include "expression.h"
#include "units.h"

namespace tarne {
namespace {

constexpr long double kLargestExtended = 1.1E+4932L;
constexpr long double kIntMin = -2147483648.0L;
constexpr long double kIntMax = 2147483647.0L;

TDataEdit::MessageHandler& Handler() {
    static TDataEdit::MessageHandler handler;
    return handler;
}

long double ClampToInt32(long double value) { return std::fmax(kIntMin, std::fmin(kIntMax, value)); }

// The value of the text, or nothing when it does not evaluate.
std::optional<long double> TryNumber(const TDataEdit& field) {
    try {
        return field.Number();
    } catch (const EAssignError&) {
    } catch (const EMathError&) {
    }
    return std::nullopt;
}

}  // namespace

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(QStringLiteral("0"), parent), MinVal_(-kLargestExtended), MaxVal_(kLargestExtended) {}

long double TDataEdit::Number() const { return EvaluateExpression(text().toStdString()); }

QString TDataEdit::Format(long double value) const { return QString::fromStdString(FormatNumber(value, Hex_)); }

void TDataEdit::SetNumber(long double value) {
    if (!Loading_) value = std::fmax(MinVal_, std::fmin(MaxVal_, value));
    setText(Format(value));
}

void TDataEdit::SetMinVal(long double value) {
    if (!Loading_) {
        value = std::fmin(value, MaxVal_);
        if (IntegerOnly_) value = ClampToInt32(value);
    }
    MinVal_ = value;
    if (Loading_) return;
    if (const auto number = TryNumber(*this); number && *number < value) SetNumber(value);
}

void TDataEdit::SetMaxVal(long double value) {
    if (!Loading_) {
        value = std::fmax(value, MinVal_);
        if (IntegerOnly_) value = ClampToInt32(value);
    }
    // Stored before the value moves, so that the value can reach the new bound.
    MaxVal_ = value;
    if (Loading_) return;
    if (const auto number = TryNumber(*this); number && *number > value) SetNumber(value);
}

void TDataEdit::SetIntegerOnly(bool on) {
    IntegerOnly_ = on;
    if (on && !Loading_) {
        SetMaxVal(MaxVal_);
        SetMinVal(MinVal_);
    }
}

void TDataEdit::SetCaption(const QString& caption) {
    Caption_ = caption;
    UpdateLabel();
}

void TDataEdit::SetEditLabel(QLabel* label) {
    if (EditLabel_ && EditLabel_ != label && EditLabel_->buddy() == this) EditLabel_->setBuddy(nullptr);
    EditLabel_ = label;
    if (label) label->setBuddy(this);
    UpdateLabel();
}

void TDataEdit::SetUnitsString(const QString& units) {
    UnitsString_ = units;
    UpdateLabel();
}

void TDataEdit::SetUnits(int system) {
    Units_ = std::clamp(system, kEnglishUnits, kDimensionUnits);
    UpdateLabel();
}

void TDataEdit::UpdateLabel() {
    if (!EditLabel_) return;
    EditLabel_->setEnabled(isEnabled());
    if (UnitsString_.isEmpty()) {
        EditLabel_->setText(Caption_);
    } else {
        const auto label = UnitLabel(UnitsString_.toStdString(), Units_);
        EditLabel_->setText(Caption_ + QStringLiteral(" (") + QString::fromStdString(label) + QStringLiteral(")"));
    }
}

bool TDataEdit::Validate() {
    ExitCheck();
    return Valid_;
}

void TDataEdit::ExitCheck() {
    // A message box of this check must not start another one.
    if (InExitCheck_) return;
    const QScopedValueRollback guard(InExitCheck_, true);
    Valid_ = false;
    emit Exit();

    long double value;
    try {
        value = Number();
    } catch (const EAssignError& e) {
        Complain(IntegerOnly_ ? QStringLiteral("Entry must be a valid integer.") : QString::fromStdString(e.what()));
        return;
    } catch (const EMathError& e) {
        // Not a fault of the entry's form: the application reports it; the
        // text stays as typed and the field stays not valid.
        ShowMessage(QString::fromStdString(e.what()), MessageKind::Error);
        return;
    }
    if (IntegerOnly_ && value != std::trunc(value)) {
        Complain(QStringLiteral("Entry must be an integer."));
        return;
    }
    if (value < MinVal_) {
        SetNumber(MinVal_);
        Complain(QStringLiteral("Entry must be greater than or equal to ") + Format(MinVal_));
        return;
    }
    if (value > MaxVal_) {
        SetNumber(MaxVal_);
        Complain(QStringLiteral("Entry must be less than or equal to ") + Format(MaxVal_));
        return;
    }
    setText(Format(value));
    Valid_ = true;
}

void TDataEdit::Complain(const QString& text) {
    ShowMessage(text, MessageKind::Information);
    // Back to the field, so that the user corrects it.
    if (window() != this && isVisible()) setFocus(Qt::OtherFocusReason);
}

TDataEdit::MessageHandler TDataEdit::SetMessageHandler(MessageHandler handler) {
    std::swap(Handler(), handler);
    return handler;
}

void TDataEdit::ShowMessage(const QString& text, MessageKind kind) {
    if (Handler()) {
        Handler()(*this, text, kind);
        return;
    }
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QString title = QGuiApplication::applicationDisplayName();
    if (kind == MessageKind::Information)
        QMessageBox::information(this, title, shown);
    else
        QMessageBox::critical(this, title, shown);
}

void TDataEdit::keyPressEvent(QKeyEvent* event) {
    // An operator typed over the selected value extends the expression
    // instead of replacing the value.
    const QString typed = event->text();
    if (typed.size() == 1 && QStringLiteral("+-/*^=%!").contains(typed[0]) && hasSelectedText() &&
        selectedText() == text()) {
        deselect();
        end(false);
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ExitCheck();
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving the field for another control checks it; the window losing
    // activation or a context menu opening does not (input windows validate
    // their active field themselves when they are deactivated).
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) ExitCheck();
}

void TDataEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) UpdateLabel();
}

}  // namespace tarne
