#include "DataEdit.h"

#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <clocale>

using tarne::TDataEdit;
using Kind = TDataEdit::MessageKind;

class DataEditTest : public QObject {
    Q_OBJECT

    QStringList Messages;
    QList<Kind> Kinds;

private slots:
    void initTestCase() {
        // The whole test runs under a comma-decimal locale: the field still
        // reads and shows "." as the decimal point.
        QVERIFY2(std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8"),
                 "no comma-decimal locale installed (scripts/setup installs locales-all)");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TDataEdit::SetMessageHandler([this](TDataEdit&, const QString& text, Kind kind) {
            Messages << text;
            Kinds << kind;
        });
    }

    void init() {
        Messages.clear();
        Kinds.clear();
    }

    void defaults() {
        TDataEdit field;
        QCOMPARE(field.text(), QStringLiteral("0"));
        QCOMPARE(field.Number(), 0.0L);
        QCOMPARE(field.MinVal(), -1.1E+4932L);
        QCOMPARE(field.MaxVal(), 1.1E+4932L);
        QVERIFY(!field.IntegerOnly());
        QVERIFY(!field.Hex());
        QCOMPARE(field.Units(), 1);
        QVERIFY(!field.Valid());
    }

    void exitCheck_data() {
        QTest::addColumn<double>("minVal");
        QTest::addColumn<double>("maxVal");
        QTest::addColumn<bool>("integerOnly");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("shown");    // text after the check
        QTest::addColumn<QString>("message");  // empty: none
        QTest::addColumn<bool>("fault");       // message is an arithmetic fault

        const double wide = 1e300;
        QTest::newRow("expression") << -wide << wide << false << false << "2+3*4" << true << "14" << "" << false;
        QTest::newRow("decimals") << -wide << wide << false << false << "sqrt(2) / 2" << true
                                  << "0.707106781186547524" << "" << false;
        QTest::newRow("below") << 0.0 << wide << false << false << "-1" << false << "0"
                               << "Entry must be greater than or equal to 0" << false;
        QTest::newRow("above") << -wide << 10.0 << false << false << "5*2.5" << false << "10"
                               << "Entry must be less than or equal to 10" << false;
        QTest::newRow("on bounds") << 0.0 << 10.0 << false << false << "10" << true << "10" << "" << false;
        QTest::newRow("not whole") << -wide << wide << true << false << "2.5" << false << "2.5"
                                   << "Entry must be an integer." << false;
        QTest::newRow("integer not read") << -wide << wide << true << false << "abc" << false << "abc"
                                          << "Entry must be a valid integer." << false;
        QTest::newRow("beyond 32 bits") << -wide << wide << true << false << "3e9" << false << "2147483647"
                                        << "Entry must be less than or equal to 2147483647" << false;
        QTest::newRow("not read") << -wide << wide << false << false << "abc" << false << "abc"
                                  << "Entry could not be evaluated:\rinvalid character(s) in expression" << false;
        QTest::newRow("blank") << -wide << wide << false << false << "" << false << ""
                               << "Entry could not be evaluated:\rentry cannot be blank" << false;
        QTest::newRow("division by zero") << -wide << wide << false << false << "1/0" << false << "1/0"
                                          << "Division by zero" << true;
        QTest::newRow("hex") << -wide << wide << true << true << "255" << true << "$00FF" << "" << false;
        QTest::newRow("hex sum") << -wide << wide << true << true << "$ff+1" << true << "$0100" << "" << false;
        QTest::newRow("hex bound") << 16.0 << wide << true << true << "-5" << false << "$0010"
                                   << "Entry must be greater than or equal to $0010" << false;
    }

    void exitCheck() {
        QFETCH(double, minVal);
        QFETCH(double, maxVal);
        QFETCH(bool, integerOnly);
        QFETCH(bool, hex);
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(bool, fault);

        TDataEdit field;
        field.SetMinVal(minVal);
        field.SetMaxVal(maxVal);
        field.SetIntegerOnly(integerOnly);
        field.SetHex(hex);
        field.setText(typed);
        QSignalSpy exits(&field, &TDataEdit::Exit);

        QCOMPARE(field.Validate(), valid);
        QCOMPARE(field.Valid(), valid);
        QCOMPARE(field.text(), shown);
        QCOMPARE(exits.count(), 1);
        if (message.isEmpty()) {
            QVERIFY2(Messages.isEmpty(), qPrintable(Messages.join('|')));
        } else {
            QCOMPARE(Messages, QStringList{message});
            QCOMPARE(Kinds.front(), fault ? Kind::Error : Kind::Information);
        }
    }

    // After a bound message the field holds the bound, so the next check passes.
    void boundMessageThenValid() {
        TDataEdit field;
        field.SetMinVal(0);
        field.setText("-1");
        QVERIFY(!field.Validate());
        QVERIFY(field.Validate());
        QCOMPARE(field.text(), QStringLiteral("0"));
        QCOMPARE(Messages.size(), 1);
    }

    void integerOnlyClampsBounds() {
        TDataEdit field;
        field.SetMaxVal(1E10);
        field.SetIntegerOnly(true);
        QCOMPARE(field.MaxVal(), 2147483647.0L);
        QCOMPARE(field.MinVal(), -2147483648.0L);
        field.SetMinVal(-1E12);
        QCOMPARE(field.MinVal(), -2147483648.0L);
    }

    void boundWritesMoveTheValue() {
        TDataEdit field;
        QSignalSpy changes(&field, &QLineEdit::textChanged);
        field.setText("50");
        field.SetMaxVal(10);
        QCOMPARE(field.text(), QStringLiteral("10"));
        field.SetMinVal(20);  // never above the upper bound
        QCOMPARE(field.MinVal(), 10.0L);
        field.SetMaxVal(5);  // never below the lower bound
        QCOMPARE(field.MaxVal(), 10.0L);
        field.SetNumber(-3);
        QCOMPARE(field.text(), QStringLiteral("10"));
        QCOMPARE(changes.count(), 2);  // every text write is a change
        // A text that does not evaluate is left alone by a bound write.
        field.setText("abc");
        field.SetMinVal(0);
        QCOMPARE(field.text(), QStringLiteral("abc"));
    }

    void numberWriteClamps() {
        TDataEdit field;
        field.SetMinVal(0);
        field.SetMaxVal(10);
        field.SetNumber(20);
        QCOMPARE(field.text(), QStringLiteral("10"));
        field.SetNumber(-3);
        QCOMPARE(field.text(), QStringLiteral("0"));
        field.SetNumber(2.5);
        QCOMPARE(field.Number(), 2.5L);
    }

    void loadingStoresAsGiven() {
        TDataEdit field;
        field.SetLoading(true);
        field.SetIntegerOnly(true);
        field.SetMaxVal(5);
        field.SetMinVal(8);
        field.SetNumber(1e10);
        field.SetLoading(false);
        QCOMPARE(field.MaxVal(), 5.0L);
        QCOMPARE(field.MinVal(), 8.0L);
        QCOMPARE(field.text(), QStringLiteral("10000000000"));
    }

    void label_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("units");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("expected");
        const QString weight = "1. Effective Unit Weight";
        QTest::newRow("English") << weight << "F/L2^3" << 1 << "1. Effective Unit Weight (lbs/ft^3)";
        QTest::newRow("SI") << weight << "F/L2^3" << 2 << "1. Effective Unit Weight (kN/m^3)";
        QTest::newRow("tokens") << weight << "F/L2^3" << 3 << "1. Effective Unit Weight (F/L2^3)";
        QTest::newRow("below 1") << "Load" << "F1" << 0 << "Load (kips)";
        QTest::newRow("above 3") << "Load" << "F1" << 9 << "Load (F1)";
        QTest::newRow("no unit") << "Number of layers" << "" << 2 << "Number of layers";
    }

    void label() {
        QFETCH(QString, caption);
        QFETCH(QString, units);
        QFETCH(int, system);
        QFETCH(QString, expected);

        QLabel label;
        TDataEdit field;
        field.SetCaption(caption);
        field.SetUnitsString(units);
        field.SetEditLabel(&label);
        field.SetUnits(system);
        QCOMPARE(label.text(), expected);
        QCOMPARE(label.buddy(), &field);
    }

    void labelFollowsTheField() {
        QLabel label;
        auto* field = new TDataEdit;
        field->SetEditLabel(&label);
        field->SetCaption("Pile length");
        field->SetUnitsString("L2");
        QCOMPARE(label.text(), QStringLiteral("Pile length (ft)"));
        field->setEnabled(false);
        QVERIFY(!label.isEnabled());
        field->setEnabled(true);
        QVERIFY(label.isEnabled());
        field->SetUnits(2);
        QCOMPARE(label.text(), QStringLiteral("Pile length (m)"));
        delete field;  // the label outlives its field
        QCOMPARE(label.buddy(), nullptr);
    }

    void operatorExtendsSelectedValue_data() {
        QTest::addColumn<char>("key");
        QTest::addColumn<QString>("expected");
        for (char op : QByteArray("+-/*^=%!")) QTest::newRow(QByteArray(1, op).constData()) << op << QString("12") + op;
        QTest::newRow("digit replaces") << '5' << "5";
    }

    void operatorExtendsSelectedValue() {
        QFETCH(char, key);
        QFETCH(QString, expected);
        TDataEdit field;
        field.setText("12");
        field.selectAll();
        QTest::keyClick(&field, key);
        QCOMPARE(field.text(), expected);
        QCOMPARE(field.cursorPosition(), expected.size());
        QVERIFY(!field.hasSelectedText());
    }

    void enterChecksAndSelects() {
        TDataEdit field;
        field.setText("12");
        field.selectAll();
        QSignalSpy exits(&field, &TDataEdit::Exit);
        QTest::keyClicks(&field, "*3");
        QCOMPARE(field.text(), QStringLiteral("12*3"));
        QTest::keyClick(&field, Qt::Key_Return);
        QCOMPARE(exits.count(), 1);
        QVERIFY(field.Valid());
        QCOMPARE(field.text(), QStringLiteral("36"));
        QCOMPARE(field.selectedText(), QStringLiteral("36"));
        QTest::keyClick(&field, Qt::Key_Enter);
        QCOMPARE(exits.count(), 2);
    }

    void leavingTheFieldChecksIt() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* first = new TDataEdit;
        auto* second = new TDataEdit;
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        first->selectAll();
        QTest::keyClicks(first, "1+1");
        second->setFocus();
        QTRY_VERIFY(second->hasFocus());
        QCOMPARE(first->text(), QStringLiteral("2"));
        QVERIFY(first->Valid());

        // A wrong entry brings the focus back to its field.
        first->SetMaxVal(1);
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        first->setText("5");
        second->setFocus();
        QCOMPARE(Messages, QStringList{"Entry must be less than or equal to 1"});
        QTRY_VERIFY(first->hasFocus());
        QCOMPARE(first->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(DataEditTest)
#include "DataEdit_test.moc"
