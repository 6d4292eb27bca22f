#include "PageSet.h"

#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QPageLayout>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace tarne;

namespace {

TPageOptions OptionsOf(const QList<int>& list) {
    TPageOptions options;
    for (const int o : list) options.Include(static_cast<TPageSetupFlags>(o));
    return options;
}

// Answers the next modal dialog: looks at it, then presses OK or Cancel.
void AnswerNextDialog(bool ok, std::function<void(QDialog&)> inspect = {}) {
    QTimer::singleShot(10, [ok, inspect] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            AnswerNextDialog(ok, inspect);
            return;
        }
        if (inspect) inspect(*dialog);
        ok ? dialog->accept() : dialog->reject();
    });
}

struct Snapshot {
    unsigned flags;
    int margins[4], minMargins[4], paperLength, paperWidth;
    explicit Snapshot(const TPageSetup& p)
        : flags(p.Flags()),
          margins{p.MarginLeft(), p.MarginTop(), p.MarginRight(), p.MarginBottom()},
          minMargins{p.MinMarginLeft(), p.MinMarginTop(), p.MinMarginRight(), p.MinMarginBottom()},
          paperLength(p.PaperLength),
          paperWidth(p.PaperWidth) {}
    bool operator==(const Snapshot&) const = default;
};

}  // namespace

class PageSetTest : public QObject {
    Q_OBJECT

    QStringList Messages;

private slots:
    void initTestCase() {
        TPageSetupDialog::SetMessageHandler([this](const QString& text) { Messages << text; });
    }
    void init() { Messages.clear(); }

    void options_data() {
        QTest::addColumn<QList<int>>("before");  // empty: the defaults of a new dialog
        QTest::addColumn<QList<int>>("set");
        QTest::addColumn<QList<int>>("expected");
        QTest::addColumn<unsigned>("flags");
        QTest::newRow("thousandths of inches replace the default unit")
            << QList<int>{} << QList<int>{poDefaultMinMargins, poThousandthsOfInches}
            << QList<int>{poDefaultMinMargins, poThousandthsOfInches} << 0x0004u;
        QTest::newRow("both units: the new one wins")
            << QList<int>{} << QList<int>{poHundredthsOfMillimeters, poThousandthsOfInches}
            << QList<int>{poThousandthsOfInches} << 0x0004u;
        QTest::newRow("minimum margins replace the default minimums")
            << QList<int>{} << QList<int>{poDefaultMinMargins, poMinMargins, poHundredthsOfMillimeters}
            << QList<int>{poMinMargins, poHundredthsOfMillimeters} << 0x0009u;
        QTest::newRow("default minimums replace minimum margins")
            << QList<int>{poMinMargins, poThousandthsOfInches}
            << QList<int>{poMinMargins, poDefaultMinMargins, poThousandthsOfInches}
            << QList<int>{poDefaultMinMargins, poThousandthsOfInches} << 0x0004u;
        QTest::newRow("both of each pair new: the earlier wins")
            << QList<int>{poMargins}
            << QList<int>{poMinMargins, poDefaultMinMargins, poThousandthsOfInches, poHundredthsOfMillimeters}
            << QList<int>{poDefaultMinMargins, poHundredthsOfMillimeters} << 0x0008u;
        QTest::newRow("every flag")
            << QList<int>{}
            << QList<int>{poDefaultMinMargins, poDisableMargins, poMargins, poDisableOrientation, poDisablePaper,
                          poDisablePrinter, poHundredthsOfMillimeters}
            << QList<int>{poDefaultMinMargins, poDisableMargins, poMargins, poDisableOrientation, poDisablePaper,
                          poDisablePrinter, poHundredthsOfMillimeters}
            << 0x033Au;
        QTest::newRow("none") << QList<int>{} << QList<int>{} << QList<int>{} << 0x0000u;
    }

    void options() {
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, set);
        QFETCH(QList<int>, expected);
        QFETCH(unsigned, flags);
        TPageSetup page;
        QVERIFY(page.Options() == (TPageOptions{poDefaultMinMargins, poHundredthsOfMillimeters}));
        QCOMPARE(page.Flags(), 0u);  // not computed until the options are set
        if (!before.isEmpty()) page.SetOptions(OptionsOf(before));
        page.SetOptions(OptionsOf(set));
        QVERIFY(page.Options() == OptionsOf(expected));
        QCOMPARE(page.Flags(), flags);
    }

    // Side 0..3: left, top, right, bottom.
    void margins_data() {
        QTest::addColumn<int>("side");
        for (int side = 0; side < 4; ++side) QTest::addRow("side %d", side) << side;
    }

    void margins() {
        QFETCH(int, side);
        TPageSetup page;
        const std::function<void(int)> setMargin[] = {
            [&](int v) { page.SetMarginLeft(v); }, [&](int v) { page.SetMarginTop(v); },
            [&](int v) { page.SetMarginRight(v); }, [&](int v) { page.SetMarginBottom(v); }};
        const std::function<void(int)> setMin[] = {
            [&](int v) { page.SetMinMarginLeft(v); }, [&](int v) { page.SetMinMarginTop(v); },
            [&](int v) { page.SetMinMarginRight(v); }, [&](int v) { page.SetMinMarginBottom(v); }};
        const auto margin = [&] { return Snapshot(page).margins[side]; };
        const auto minimum = [&] { return Snapshot(page).minMargins[side]; };

        // A minimum is never above its margin.
        setMin[side](700);
        QCOMPARE(minimum(), 0);
        setMargin[side](1000);
        setMin[side](700);
        QCOMPARE(minimum(), 700);
        // A margin is never below its minimum.
        setMargin[side](500);
        QCOMPARE(margin(), 700);
        setMargin[side](900);
        QCOMPARE(margin(), 900);
        setMin[side](1200);
        QCOMPARE(minimum(), 900);
        setMin[side](-5);
        QCOMPARE(minimum(), -5);
        // The other sides are not touched.
        for (int other = 0; other < 4; ++other)
            if (other != side) {
                QCOMPARE(Snapshot(page).margins[other], 0);
                QCOMPARE(Snapshot(page).minMargins[other], 0);
            }
    }

    void position() {
        QCOMPARE(PageSetupDialogPosition(QRect(0, 0, 1200, 900), QSize(400, 300)), QPoint(400, 200));
        QCOMPARE(PageSetupDialogPosition(QRect(100, 50, 1200, 900), QSize(400, 300)), QPoint(500, 250));
    }

    void noPrinter() {
        TPageSetupDialog page;
        page.SetMarginLeft(250);
        const Snapshot before(page);
        QVERIFY(!page.Execute(nullptr));
        QCOMPARE(Messages, QStringList{"Error in GetPrinter\rError in GetPrinter\rPrinter not Assigned"});
        QVERIFY(Snapshot(page) == before);
    }

    void cancelChangesNothing() {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        TPageSetupDialog page;
        page.SetOptions({poDefaultMinMargins, poMargins, poThousandthsOfInches});
        page.SetMarginLeft(1500);
        page.PaperLength = 7;
        const Snapshot before(page);
        bool shown = false;
        AnswerNextDialog(false, [&](QDialog&) { shown = true; });
        QVERIFY(!page.Execute(&printer));
        QVERIFY(shown);
        QVERIFY(Snapshot(page) == before);
        QVERIFY(Messages.isEmpty());
    }

    // OK takes the paper size and the margins, in the unit of the options;
    // the printer keeps its own page layout.
    void okTakesPaperAndMargins_data() {
        QTest::addColumn<bool>("inches");
        QTest::addRow("thousandths of inches") << true;
        QTest::addRow("hundredths of millimetres") << false;
    }

    void okTakesPaperAndMargins() {
        QFETCH(bool, inches);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageOrientation(QPageLayout::Portrait);
        const QPageLayout printerLayout = printer.pageLayout();

        TPageSetupDialog page;
        page.SetOptions({poDefaultMinMargins, poMargins, poDisableMargins, poDisableOrientation,
                         inches ? poThousandthsOfInches : poHundredthsOfMillimeters});
        const int scale = inches ? 1000 : 100;
        const double inch = inches ? 1.0 : 25.4;
        page.SetMarginLeft(qRound(0.5 * inch * scale));
        page.SetMarginTop(qRound(0.75 * inch * scale));
        page.SetMarginRight(qRound(1.0 * inch * scale));
        page.SetMarginBottom(qRound(1.25 * inch * scale));
        bool disabled = false;
        AnswerNextDialog(true, [&](QDialog& dialog) {
            auto* top = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("topMargin"));
            auto* landscape = dialog.findChild<QRadioButton*>(QStringLiteral("landscape"));
            disabled = top && !top->isEnabled() && landscape && !landscape->isEnabled();
        });
        QVERIFY(page.Execute(&printer));
        QVERIFY(disabled);
        QVERIFY(Messages.isEmpty());
        // Letter, 8.5 in x 11 in.
        QCOMPARE(page.PaperWidth, qRound(8.5 * inch * scale));
        QCOMPARE(page.PaperLength, qRound(11.0 * inch * scale));
        QVERIFY(qAbs(page.MarginLeft() - qRound(0.5 * inch * scale)) <= 1);
        QVERIFY(qAbs(page.MarginTop() - qRound(0.75 * inch * scale)) <= 1);
        QVERIFY(qAbs(page.MarginRight() - qRound(1.0 * inch * scale)) <= 1);
        QVERIFY(qAbs(page.MarginBottom() - qRound(1.25 * inch * scale)) <= 1);
        QVERIFY(printer.pageLayout().isEquivalentTo(printerLayout));
        QCOMPARE(printer.pageLayout().margins(), printerLayout.margins());
    }

    // Without poMargins the dialog starts from one inch all round.
    void okWithoutMarginsStartsFromAnInch() {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        TPageSetupDialog page;
        page.SetOptions({poDefaultMinMargins, poThousandthsOfInches});
        page.SetMarginLeft(300);
        AnswerNextDialog(true);
        QVERIFY(page.Execute(&printer));
        QCOMPARE(page.MarginLeft(), 1000);
        QCOMPARE(page.MarginBottom(), 1000);
    }
};

QTEST_MAIN(PageSetTest)
#include "PageSet_test.moc"
