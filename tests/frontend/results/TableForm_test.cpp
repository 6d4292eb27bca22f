#include "TableForm.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "ProjectTables.h"
#include "TableModel.h"

using namespace tarne;

class TableFormTest : public QObject {
    Q_OBJECT

    QStringList Messages;

    // Types `text` into the cell at (row, column) of the form's grid and
    // moves on with Enter.
    static void TypeInto(TTableForm& form, int row, int column, const QString& text) {
        QTableView* grid = form.Grid();
        grid->setCurrentIndex(grid->model()->index(row, column));
        grid->edit(grid->currentIndex());
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
        QVERIFY(editor);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // Enter takes the entry over in a queued call
    }

private slots:
    void initTestCase() {
        TTableForm::SetMessageHandler([this](const QString& text) { Messages << text; });
    }
    void init() { Messages.clear(); }

    // The item model keeps its contract through every kind of change.
    void modelContract() {
        TProjectTables t;
        TGridTableModel model(t.D);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.columnCount(), 7);
        QCOMPARE(model.HeadingRows(), 2);
        model.AddRows();
        model.AddRows();
        model.InsertRows(1);
        QCOMPARE(model.rowCount(), 4);
        model.DeleteRows(0);
        QCOMPARE(model.rowCount(), 3);
        QVERIFY(t.D.Modified());
        QVERIFY(model.setData(model.index(1, LayerColumn::Type), QStringLiteral("2")));
        QCOMPARE(model.data(model.index(1, LayerColumn::Type)).toString(), QStringLiteral("clay"));
        QCOMPARE(model.data(model.index(1, LayerColumn::Type), Qt::EditRole).toInt(), 2);
        QCOMPARE(model.data(model.index(1, LayerColumn::Properties)).toString(), QStringLiteral("2: Clay"));
        QVERIFY(!(model.flags(model.index(1, LayerColumn::Properties)) & Qt::ItemIsSelectable));
        QVERIFY(model.setData(model.index(2, LayerColumn::Depth), QStringLiteral("12*0.3048")));
        QCOMPARE(model.data(model.index(2, LayerColumn::Depth)).toString(), QStringLiteral("3.6576"));
        QVERIFY(!model.setData(model.index(2, LayerColumn::Depth), QStringLiteral("abc")));
        QCOMPARE(model.LastError(), QStringLiteral("abc is not a valid number."));
        QCOMPARE(model.data(model.index(2, LayerColumn::Depth)).toString(), QStringLiteral("3.6576"));
        t.D.SetUnits(2);
        QCOMPARE(model.headerData(LayerColumn::Depth, Qt::Horizontal).toString(),
                 QStringLiteral("Depth at Bottom\nof each layer (m)"));
        t.D.SetRowCount(1);
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.headerData(0, Qt::Vertical).toInt(), 1);
    }

    void captions() {
        TProjectTables t;
        t.D.SetRowCount(3);
        QCOMPARE(TTableForm::CaptionOf(t.D), QStringLiteral("Soil Properties "));
        QCOMPARE(TTableForm::CaptionOf(*t.D.Cell(LayerColumn::Properties, 2).AsTable()), QStringLiteral("Sand  3"));
    }

    void refusedEntryKeepsTheEdit() {
        TProjectTables t;
        auto* form = new TTableForm(t.TblTZDepth);
        form->show();
        TypeInto(*form, 0, 0, QStringLiteral("abc"));
        QCOMPARE(Messages, QStringList{QStringLiteral("abc is not a valid number.")});
        QVERIFY(form->Grid()->indexWidget(form->Grid()->model()->index(0, 0)));  // still editing
        QVERIFY(!form->close());  // the window does not close over a refused entry
        QCOMPARE(Messages.size(), 2);
        auto* editor = qobject_cast<QLineEdit*>(form->Grid()->indexWidget(form->Grid()->currentIndex()));
        QVERIFY(editor);
        editor->setText(QStringLiteral("12*0.3048"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(t.TblTZDepth.Cell(0, 0).AsFloat(), 3.6576L);
        QCOMPARE(form->Grid()->model()->index(0, 0).data().toString(), QStringLiteral("3.6576"));
        QVERIFY(t.TblTZDepth.Modified());
        QVERIFY(form->close());
        QVERIFY(!TTableForm::FormOf(t.TblTZDepth));
    }

    void enterMovesDownThenAcross() {
        TProjectTables t;
        t.Sectionaldata.SetRowCount(2);
        TTableForm form(t.Sectionaldata);
        form.show();
        TypeInto(form, 0, 0, QStringLiteral("5"));
        QCOMPARE(form.Grid()->currentIndex(), form.Grid()->model()->index(1, 0));
        TypeInto(form, 1, 0, QStringLiteral("10"));
        QCOMPARE(form.Grid()->currentIndex(), form.Grid()->model()->index(0, 1));
        TypeInto(form, 1, 1, QStringLiteral("0.16"));
        QCOMPARE(form.Grid()->currentIndex(), form.Grid()->model()->index(0, 0));
        QCOMPARE(t.Sectionaldata.Cell(0, 1).AsFloat(), 10.0L);
        QCOMPARE(t.Sectionaldata.Cell(1, 1).AsFloat(), 0.16L);
    }

    void rowButtons() {
        TProjectTables t;
        {
            TTableForm form(t.TblTZDepth);  // at least 1 row, no upper limit
            form.show();
            QVERIFY(form.BtnAdd()->isVisible());
            QVERIFY(form.BtnAdd()->isEnabled());
            QVERIFY(!form.BtnDel()->isEnabled());
            form.BtnAddClick();
            QCOMPARE(t.TblTZDepth.RowCount(), 2);
            QVERIFY(form.BtnDel()->isEnabled());
            form.Grid()->setCurrentIndex(QModelIndex());
            form.BtnDelClick();
            QCOMPARE(Messages, QStringList{QStringLiteral("Grid.Row not in valid range")});
            QCOMPARE(t.TblTZDepth.RowCount(), 2);
        }
        {
            t.Sectionaldata.SetRowCount(99);  // 2 to 100 rows
            TTableForm form(t.Sectionaldata);
            form.show();
            QVERIFY(form.BtnAdd()->isEnabled());
            form.BtnAddClick();
            QVERIFY(!form.BtnAdd()->isEnabled());
            QVERIFY(!form.BtnIns()->isEnabled());
        }
        {
            // A property table always has its two rows: no row buttons.
            TTableForm form(*t.D.Cell(LayerColumn::Properties, 0).AsTable());
            form.show();
            QVERIFY(!form.BtnAdd()->isVisible());
        }
    }

    void formClosesWithItsTable() {
        auto t = std::make_unique<TProjectTables>();
        TGridTable& sand = *t->D.Cell(LayerColumn::Properties, 0).AsTable();
        QPointer<TTableForm> form = TTableForm::ShowTable(sand);
        QCOMPARE(TTableForm::ShowTable(sand), form.data());  // one window per table
        t->D.Cell(LayerColumn::Type, 0).SetInteger(kClay);  // frees the sand table
        QTRY_VERIFY(form.isNull());
    }
};

QTEST_MAIN(TableFormTest)
#include "TableForm_test.moc"
