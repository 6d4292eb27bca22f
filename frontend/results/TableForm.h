// TTableForm: the table window, a spreadsheet-like view of one grid table
// (Table.h) through TGridTableModel.
//
// A table has at most one window. A cell's text is taken into the table
// (and may be an expression) when another cell is chosen, on Enter, when a
// window that is not modal loses the focus, and before the window closes;
// a refused entry is shown in a message and the edit stays. Enumeration
// cells are edited with a drop-down list; a sub-table cell is a button that
// opens the sub-table's window.
#pragma once

#include <QDialog>
#include <QPersistentModelIndex>
#include <QString>
#include <functional>

#include "Table.h"

class QLabel;
class QPushButton;
class QTableView;

namespace tarne {

class TGridTableModel;
class TGridView;

class TTableForm : public QDialog {
    Q_OBJECT

public:
    // A window over `table`. With `embedded` it has no border and sits in
    // `parent` at its top-left corner; otherwise it is a window of its own.
    explicit TTableForm(TGridTable& table, QWidget* parent = nullptr, bool embedded = false);
    ~TTableForm() override;

    // Opens the table's window once and shows it, not modal.
    static TTableForm* ShowTable(TGridTable& table, QWidget* parent = nullptr, bool embedded = false);
    // Opens the table's window and runs it modally; returns when it closes.
    static void ShowTableModal(TGridTable& table, QWidget* parent = nullptr);
    // Frees the table's window if one is open.
    static void CloseTable(TGridTable& table);
    // The open window of `table`, or none.
    static TTableForm* FormOf(const TGridTable& table);

    // The window caption: the table's caption, a blank, then the sub-numbers
    // of its owners and of itself that are not 0, each after a blank.
    static QString CaptionOf(const TGridTable& table);

    // Takes the open cell edit into the table. False when the entry was
    // refused: its message was shown and the edit stays open.
    bool TakeEdit();

    // The row buttons: "&Add Row", "&Insert Row" (before the current row's
    // group) and "&Delete Row" (the current row's group).
    void BtnAddClick();
    void BtnInsClick();
    void BtnDelClick();

    TGridTable* Table() const;
    TGridTableModel* Model() const { return Model_; }
    QTableView* Grid() const;
    QPushButton* BtnAdd() const { return BtnAdd_; }
    QPushButton* BtnIns() const { return BtnIns_; }
    QPushButton* BtnDel() const { return BtnDel_; }
    QLabel* LblComments() const { return LblComments_; }

    // Where the window's messages go ("\r" in a text is a line break); an
    // empty handler restores the information boxes. Returns the handler it
    // replaces.
    using MessageHandler = std::function<void(const QString& text)>;
    static MessageHandler SetMessageHandler(MessageHandler handler);
    static void ShowMessage(QWidget* parent, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LayoutGrid();
    void UpdateButtons();
    void OpenSubTable(const QModelIndex& index);

    TGridTableModel* Model_;
    TGridView* Grid_;
    QPushButton* BtnAdd_;
    QPushButton* BtnIns_;
    QPushButton* BtnDel_;
    QLabel* LblComments_;
    QLabel* ImgHelp_;
    bool Embedded_;
};

}  // namespace tarne
