#include "PageSet.h"

#include <QGuiApplication>
#include <QLocale>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <exception>

namespace tarne {
namespace {

// The page-setup flags of the option flag word.
constexpr unsigned kMinMargins = 0x0001;
constexpr unsigned kMargins = 0x0002;
constexpr unsigned kThousandthsOfInches = 0x0004;
constexpr unsigned kHundredthsOfMillimeters = 0x0008;
constexpr unsigned kDisableMargins = 0x0010;
constexpr unsigned kDisablePrinter = 0x0020;
constexpr unsigned kDisableOrientation = 0x0100;
constexpr unsigned kDisablePaper = 0x0200;

TPageSetupDialog::MessageHandler& Handler() {
    static TPageSetupDialog::MessageHandler handler;
    return handler;
}

void ShowMessage(const QString& text) {
    if (Handler()) {
        Handler()(text);
        return;
    }
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::information(nullptr, QGuiApplication::applicationDisplayName(), shown);
}

QString ErrorIn(const char* routine, const QString& message) {
    return QStringLiteral("Error in %1\r%2").arg(QLatin1String(routine), message);
}

// The controls of Qt's page setup dialog that an option disables, by the
// object names the dialog gives them. Qt's dialog has no printer choice (the
// print dialog has it), so poDisablePrinter has nothing to disable.
void DisableParts(QWidget& dialog, unsigned flags) {
    const auto disable = [&dialog](std::initializer_list<const char*> names) {
        for (const char* name : names)
            if (QWidget* w = dialog.findChild<QWidget*>(QLatin1String(name))) w->setEnabled(false);
    };
    if (flags & kDisableMargins) disable({"topMargin", "bottomMargin", "leftMargin", "rightMargin"});
    if (flags & kDisableOrientation) disable({"portrait", "landscape", "reverseLandscape", "reversePortrait"});
    if (flags & kDisablePaper) disable({"pageSizeCombo", "pageWidth", "pageHeight", "paperSource"});
}

}  // namespace

unsigned PageSetupFlag(TPageSetupFlags option) {
    switch (option) {
        case poDefaultMinMargins: return 0x0000;
        case poDisableMargins: return kDisableMargins;
        case poMargins: return kMargins;
        case poMinMargins: return kMinMargins;
        case poDisableOrientation: return kDisableOrientation;
        case poDisablePaper: return kDisablePaper;
        case poDisablePrinter: return kDisablePrinter;
        case poHundredthsOfMillimeters: return kHundredthsOfMillimeters;
        case poThousandthsOfInches: return kThousandthsOfInches;
    }
    return 0;
}

void TPageSetup::SetOptions(TPageOptions options) {
    const auto added = [this, &options](TPageSetupFlags o) { return options.Contains(o) && !Options_.Contains(o); };
    if (added(poDefaultMinMargins)) options.Exclude(poMinMargins);
    if (added(poMinMargins)) options.Exclude(poDefaultMinMargins);
    if (added(poHundredthsOfMillimeters)) options.Exclude(poThousandthsOfInches);
    if (added(poThousandthsOfInches)) options.Exclude(poHundredthsOfMillimeters);
    Options_ = options;
    Flags_ = 0;
    for (const TPageSetupFlags o : {poDefaultMinMargins, poDisableMargins, poMargins, poMinMargins, poDisableOrientation,
                                    poDisablePaper, poDisablePrinter, poHundredthsOfMillimeters, poThousandthsOfInches})
        if (Options_.Contains(o)) Flags_ |= PageSetupFlag(o);
}

void TPageSetup::SetMargin(Side side, int value) { Margin_[side] = std::max(value, MinMargin_[side]); }

void TPageSetup::SetMinMargin(Side side, int value) { MinMargin_[side] = std::min(value, Margin_[side]); }

QPoint PageSetupDialogPosition(const QRect& available, const QSize& dialog) {
    return {available.left() + (available.width() - dialog.width()) / 2,
            available.top() + (available.height() - dialog.height()) / 3};
}

TPageSetupDialog::MessageHandler TPageSetupDialog::SetMessageHandler(MessageHandler handler) {
    std::swap(Handler(), handler);
    return handler;
}

bool TPageSetupDialog::Execute(const QPrinter* printer, QWidget* parent) {
    try {
        if (!printer) {
            ShowMessage(ErrorIn("GetPrinter", ErrorIn("GetPrinter", QStringLiteral("Printer not Assigned"))));
            return false;
        }
        if (!printer->isValid()) {
            ShowMessage(ErrorIn("GetPrinter", ErrorIn("GetPrinter", QStringLiteral("DeviceMode equals 0"))));
            return false;
        }
        return Run(*printer, parent);
    } catch (const std::exception& e) {
        ShowMessage(ErrorIn("TPageSetupDialog.Execute", QString::fromLocal8Bit(e.what())));
        return false;
    }
}

bool TPageSetupDialog::Run(const QPrinter& printer, QWidget* parent) {
    // The unit of the flag word; without one, the user's measurement system.
    bool inches = QLocale::system().measurementSystem() != QLocale::MetricSystem;
    if (Flags() & kHundredthsOfMillimeters) inches = false;
    if (Flags() & kThousandthsOfInches) inches = true;
    const QPageLayout::Unit unit = inches ? QPageLayout::Inch : QPageLayout::Millimeter;
    const double scale = inches ? 1000.0 : 100.0;

    // The dialog works on a copy, so that the printer and paper chosen in it
    // do not reach the plot window's printer.
    QPrinter copy(QPrinter::HighResolution);
    copy.setOutputFormat(printer.outputFormat());
    if (printer.outputFormat() == QPrinter::NativeFormat) copy.setPrinterName(printer.printerName());
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(unit);
    if (Flags() & kMinMargins)
        layout.setMinimumMargins(QMarginsF(MinMarginLeft() / scale, MinMarginTop() / scale, MinMarginRight() / scale,
                                           MinMarginBottom() / scale));
    // The margins to start from: the properties, or one inch all round.
    const double inch = inches ? 1.0 : 25.4;
    QMarginsF start(inch, inch, inch, inch);
    if (Flags() & kMargins)
        start = QMarginsF(MarginLeft() / scale, MarginTop() / scale, MarginRight() / scale, MarginBottom() / scale);
    const QMarginsF least = layout.minimumMargins();
    start = QMarginsF(std::max(start.left(), least.left()), std::max(start.top(), least.top()),
                      std::max(start.right(), least.right()), std::max(start.bottom(), least.bottom()));
    layout.setMargins(start);
    copy.setPageLayout(layout);

    QPageSetupDialog dialog(&copy, parent);
    DisableParts(dialog, Flags());
    dialog.adjustSize();
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen) dialog.move(PageSetupDialogPosition(screen->availableGeometry(), dialog.size()));
    if (dialog.exec() != QDialog::Accepted) return false;

    const QPageLayout chosen = copy.pageLayout();
    const QRectF paper = chosen.fullRect(unit);
    PaperLength = qRound(paper.height() * scale);
    PaperWidth = qRound(paper.width() * scale);
    const QMarginsF margins = chosen.margins(unit);
    SetMarginLeft(qRound(margins.left() * scale));
    SetMarginTop(qRound(margins.top() * scale));
    SetMarginRight(qRound(margins.right() * scale));
    SetMarginBottom(qRound(margins.bottom() * scale));
    return true;
}

}  // namespace tarne
