// TPageSetupDialog: page margins and paper size for printing a plot,
// chosen in Qt's page setup dialog for the plot window's printer.
//
// The properties and their rules (option exclusions, the flag word, margins
// never below their minimums) are a plain model, TPageSetup; the dialog adds
// Execute, which runs the modal dialog and takes the user's choice back.
// Margins and paper size are in hundredths of a millimetre or thousandths of
// an inch, as the options say.
#pragma once

#include <functional>
#include <initializer_list>

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPrinter;
class QWidget;

namespace tarne {

// Dialog options, in this order.
enum TPageSetupFlags {
    poDefaultMinMargins,        // the printer's own minimum margins
    poDisableMargins,           // margins cannot be edited
    poMargins,                  // the dialog starts from the margin properties (else one inch)
    poMinMargins,               // the minimum-margin properties are the minimums
    poDisableOrientation,       // orientation cannot be changed
    poDisablePaper,             // paper size and source cannot be changed
    poDisablePrinter,           // the printer cannot be changed
    poHundredthsOfMillimeters,  // unit of margins and paper size
    poThousandthsOfInches,      // unit of margins and paper size
};

// A set of dialog options.
class TPageOptions {
public:
    constexpr TPageOptions() = default;
    constexpr TPageOptions(std::initializer_list<TPageSetupFlags> options) {
        for (const TPageSetupFlags o : options) Include(o);
    }
    constexpr bool Contains(TPageSetupFlags o) const { return (Bits_ & Bit(o)) != 0; }
    constexpr TPageOptions& Include(TPageSetupFlags o) {
        Bits_ |= Bit(o);
        return *this;
    }
    constexpr TPageOptions& Exclude(TPageSetupFlags o) {
        Bits_ &= ~Bit(o);
        return *this;
    }
    friend constexpr bool operator==(TPageOptions, TPageOptions) = default;

private:
    static constexpr unsigned Bit(TPageSetupFlags o) { return 1u << static_cast<unsigned>(o); }
    unsigned Bits_ = 0;
};

// The page-setup flag each option contributes to the flag word.
unsigned PageSetupFlag(TPageSetupFlags option);

class TPageSetup {
public:
    // Options: default minimum margins, hundredths of millimetres.
    TPageOptions Options() const { return Options_; }
    // Stores `options`: an option newly added wins over the one it excludes
    // (poDefaultMinMargins / poMinMargins, poHundredthsOfMillimeters /
    // poThousandthsOfInches; the earlier of a pair when both are new), then
    // recomputes the flag word.
    void SetOptions(TPageOptions options);
    // The OR of the options' flags, as last computed by SetOptions (0 until
    // then).
    unsigned Flags() const { return Flags_; }

    // A margin is never below its minimum: setting one stores the larger of
    // the value and the minimum. A minimum is never above its margin:
    // setting one stores the smaller of the value and the margin.
    int MarginLeft() const { return Margin_[Left]; }
    int MarginTop() const { return Margin_[Top]; }
    int MarginRight() const { return Margin_[Right]; }
    int MarginBottom() const { return Margin_[Bottom]; }
    void SetMarginLeft(int value) { SetMargin(Left, value); }
    void SetMarginTop(int value) { SetMargin(Top, value); }
    void SetMarginRight(int value) { SetMargin(Right, value); }
    void SetMarginBottom(int value) { SetMargin(Bottom, value); }
    int MinMarginLeft() const { return MinMargin_[Left]; }
    int MinMarginTop() const { return MinMargin_[Top]; }
    int MinMarginRight() const { return MinMargin_[Right]; }
    int MinMarginBottom() const { return MinMargin_[Bottom]; }
    void SetMinMarginLeft(int value) { SetMinMargin(Left, value); }
    void SetMinMarginTop(int value) { SetMinMargin(Top, value); }
    void SetMinMarginRight(int value) { SetMinMargin(Right, value); }
    void SetMinMarginBottom(int value) { SetMinMargin(Bottom, value); }

    // Paper size the dialog returned (0 until then).
    int PaperLength = 0;
    int PaperWidth = 0;

private:
    enum Side { Left, Top, Right, Bottom };
    void SetMargin(Side side, int value);
    void SetMinMargin(Side side, int value);

    TPageOptions Options_{poDefaultMinMargins, poHundredthsOfMillimeters};
    unsigned Flags_ = 0;
    int Margin_[4] = {0, 0, 0, 0};
    int MinMargin_[4] = {0, 0, 0, 0};
};

// Where the dialog goes: centred horizontally on the screen's available
// area, with a third of the free height above it.
QPoint PageSetupDialogPosition(const QRect& available, const QSize& dialog);

class TPageSetupDialog : public TPageSetup {
public:
    // Runs the page setup dialog modally for a copy of `printer`, starting
    // from the margins, minimum margins and unit the flag word gives, with
    // the disabled parts the options name. On OK stores the paper size and
    // the margins (through their setters) and returns true; the printer
    // itself is not changed. Cancel changes nothing and returns false.
    // A failure is shown as a message and returns false.
    bool Execute(const QPrinter* printer, QWidget* parent = nullptr);

    // Sends the messages of every page setup dialog to `handler` (an empty
    // one restores the message boxes); returns the handler it replaces.
    // "\r" in a text is a line break.
    using MessageHandler = std::function<void(const QString& text)>;
    static MessageHandler SetMessageHandler(MessageHandler handler);

private:
    bool Run(const QPrinter& printer, QWidget* parent);
};

}  // namespace tarne
