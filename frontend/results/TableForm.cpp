#include "TableForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "TableModel.h"

namespace tarne {
namespace {

QHash<const TGridTable*, TTableForm*>& OpenForms() {
    static QHash<const TGridTable*, TTableForm*> forms;
    return forms;
}

TTableForm::MessageHandler& Handler() {
    static TTableForm::MessageHandler handler;
    return handler;
}

constexpr int kMostShownRows = 10;

}  // namespace

// The grid: keeps a refused edit open and moves on after Enter.
class TGridView : public QTableView {
public:
    explicit TGridView(TTableForm* form) : QTableView(form), Form_(form) {}

    // Set by the editor when Enter was pressed in it.
    bool EnterPressed = false;

    bool TakeEdit() {
        if (state() != EditingState || !Editing_.isValid()) return true;
        QWidget* editor = indexWidget(Editing_);
        if (!editor) return true;
        commitData(editor);
        if (Refused_) {
            KeepEditing(editor);
            return false;
        }
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        return true;
    }

    // Enter: the next row; after the last row the first row of the next
    // column; after the last column the first row of the first column.
    void MoveAfterEnter() {
        const int rows = model()->rowCount();
        const int columns = model()->columnCount();
        if (rows == 0 || columns == 0) return;
        QModelIndex at = currentIndex();
        int row = at.isValid() ? at.row() : -1;
        int column = at.isValid() ? at.column() : 0;
        for (int tries = 0; tries <= columns; ++tries) {
            if (++row >= rows) {
                row = 0;
                column = (column + 1) % columns;
            }
            const QModelIndex next = model()->index(row, column);
            if (next.flags() & Qt::ItemIsSelectable) {
                setCurrentIndex(next);
                return;
            }
        }
    }

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
        const bool started = QTableView::edit(index, trigger, event);
        if (started && state() == EditingState) Editing_ = index;
        return started;
    }

    void commitData(QWidget* editor) override {
        QTableView::commitData(editor);
        const QString error = static_cast<TGridTableModel*>(model())->LastError();
        Refused_ = !error.isEmpty();
        if (Refused_) TTableForm::ShowMessage(Form_, error);
    }

    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override {
        if (Refused_) {
            KeepEditing(editor);
            return;
        }
        QTableView::closeEditor(editor, hint);
        if (EnterPressed) {
            EnterPressed = false;
            MoveAfterEnter();
        }
    }

    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
            MoveAfterEnter();
            return;
        }
        QTableView::keyPressEvent(event);
    }

private:
    // A refused entry: the edit stays where it was, with the focus.
    void KeepEditing(QWidget* editor) {
        Refused_ = false;
        EnterPressed = false;
        if (currentIndex() != Editing_) selectionModel()->setCurrentIndex(Editing_, QItemSelectionModel::ClearAndSelect);
        editor->setFocus();
    }

    TTableForm* Form_;
    QPersistentModelIndex Editing_;
    bool Refused_ = false;
};

namespace {

// Drop-down lists for enumeration cells and buttons for sub-table cells.
class TGridDelegate : public QStyledItemDelegate {
public:
    TGridDelegate(TGridView* view, std::function<void(const QModelIndex&)> openSubTable)
        : QStyledItemDelegate(view), View_(view), OpenSubTable_(std::move(openSubTable)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        if (const auto* column = Enumeration(index)) {
            auto* combo = new QComboBox(parent);
            combo->setMaxVisibleItems(11);
            for (const auto& item : column->Items) combo->addItem(QString::fromStdString(item));
            return combo;
        }
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        if (Enumeration(index)) {
            static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt() - 1);
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
        if (Enumeration(index)) {
            // A choice stores the item number.
            model->setData(index, QString::number(static_cast<QComboBox*>(editor)->currentIndex() + 1));
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (!IsSubTable(index)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionButton button;
        button.rect = option.rect.adjusted(1, 1, -1, -1);
        button.text = index.data().toString();
        button.state = QStyle::State_Enabled | QStyle::State_Raised;
        QApplication::style()->drawControl(QStyle::CE_PushButton, &button, painter);
    }

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        if (IsSubTable(index) && event->type() == QEvent::MouseButtonRelease &&
            option.rect.contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            OpenSubTable_(index);
            return true;
        }
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }

protected:
    bool eventFilter(QObject* editor, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) View_->EnterPressed = true;
        }
        return QStyledItemDelegate::eventFilter(editor, event);
    }

private:
    const TColumn* Column(const QModelIndex& index) const {
        return static_cast<const TGridTableModel*>(index.model())->ColumnAt(index.column());
    }
    const TEnumColumn* Enumeration(const QModelIndex& index) const {
        const TColumn* c = Column(index);
        return c && c->Kind() == TColumnKind::Enum ? static_cast<const TEnumColumn*>(c) : nullptr;
    }
    bool IsSubTable(const QModelIndex& index) const {
        const TColumn* c = Column(index);
        return c && c->Kind() == TColumnKind::Table;
    }

    TGridView* View_;
    std::function<void(const QModelIndex&)> OpenSubTable_;
};

}  // namespace

TTableForm::TTableForm(TGridTable& table, QWidget* parent, bool embedded)
    : QDialog(parent, embedded ? Qt::Widget : Qt::Dialog), Embedded_(embedded) {
    setAttribute(Qt::WA_DeleteOnClose);
    OpenForms().insert(&table, this);
    setWindowTitle(CaptionOf(table));

    Model_ = new TGridTableModel(table, this);
    Grid_ = new TGridView(this);
    Grid_->setObjectName(QStringLiteral("Grid"));
    Grid_->setModel(Model_);
    Grid_->setItemDelegate(new TGridDelegate(Grid_, [this](const QModelIndex& index) { OpenSubTable(index); }));
    Grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    Grid_->setCornerButtonEnabled(false);
    Grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);

    BtnAdd_ = new QPushButton(tr("&Add Row"), this);
    BtnAdd_->setObjectName(QStringLiteral("BtnAdd"));
    BtnIns_ = new QPushButton(tr("&Insert Row"), this);
    BtnIns_->setObjectName(QStringLiteral("BtnIns"));
    BtnDel_ = new QPushButton(tr("&Delete Row"), this);
    BtnDel_->setObjectName(QStringLiteral("BtnDel"));
    LblComments_ = new QLabel(QString::fromStdString(table.Comments), this);
    LblComments_->setObjectName(QStringLiteral("lblComments"));
    LblComments_->setWordWrap(true);
    LblComments_->setVisible(!table.Comments.empty());
    ImgHelp_ = new QLabel(this);
    ImgHelp_->setObjectName(QStringLiteral("imgHelp"));
    ImgHelp_->setVisible(false);
    if (!table.HelpPicture.empty()) {
        const QPixmap picture(QString::fromStdString(table.HelpPicture));
        ImgHelp_->setPixmap(picture);
        ImgHelp_->setVisible(!picture.isNull());
    }
    // The grid's top-left cell.
    auto* topLeft = new QLabel(QString::fromStdString(table.TopLeft), Grid_);
    topLeft->setObjectName(QStringLiteral("TopLeft"));
    topLeft->setAlignment(Qt::AlignCenter);
    topLeft->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Controls are g = a twentieth of an inch apart.
    const int g = std::max(1, logicalDpiX() / 20);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(g);
    buttons->addWidget(BtnAdd_);
    buttons->addWidget(BtnIns_);
    buttons->addWidget(BtnDel_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(g, g, g, g);
    layout->setSpacing(g);
    layout->addWidget(Grid_);
    layout->addLayout(buttons);
    layout->addWidget(LblComments_);
    layout->addWidget(ImgHelp_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnAdd_, &QPushButton::clicked, this, &TTableForm::BtnAddClick);
    connect(BtnIns_, &QPushButton::clicked, this, &TTableForm::BtnInsClick);
    connect(BtnDel_, &QPushButton::clicked, this, &TTableForm::BtnDelClick);
    const auto rowsChanged = [this] {
        LayoutGrid();
        UpdateButtons();
    };
    connect(Model_, &QAbstractItemModel::modelReset, this, rowsChanged);
    connect(Model_, &QAbstractItemModel::rowsInserted, this, rowsChanged);
    connect(Model_, &QAbstractItemModel::rowsRemoved, this, rowsChanged);
    connect(Model_, &TGridTableModel::TableDestroyed, this, [this] {
        OpenForms().remove(OpenForms().key(this));
        close();
    });
    LayoutGrid();
    UpdateButtons();
}

TTableForm::~TTableForm() {
    const TGridTable* table = OpenForms().key(this, nullptr);
    if (table) OpenForms().remove(table);
}

TTableForm* TTableForm::ShowTable(TGridTable& table, QWidget* parent, bool embedded) {
    TTableForm* form = FormOf(table);
    if (!form) form = new TTableForm(table, parent, embedded);
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

void TTableForm::ShowTableModal(TGridTable& table, QWidget* parent) {
    TTableForm* form = FormOf(table);
    if (!form) form = new TTableForm(table, parent);
    form->exec();
}

void TTableForm::CloseTable(TGridTable& table) {
    if (TTableForm* form = FormOf(table)) {
        OpenForms().remove(&table);
        delete form;
    }
}

TTableForm* TTableForm::FormOf(const TGridTable& table) { return OpenForms().value(&table, nullptr); }

QString TTableForm::CaptionOf(const TGridTable& table) {
    QList<int> numbers;
    for (const TGridTable* t = &table; t; t = t->Owner())
        if (t->SubNumber() != 0) numbers.prepend(t->SubNumber());
    QString caption = QString::fromStdString(table.Caption) + QLatin1Char(' ');
    for (int n : numbers) caption += QLatin1Char(' ') + QString::number(n);
    return caption;
}

TGridTable* TTableForm::Table() const { return Model_->Table(); }
QTableView* TTableForm::Grid() const { return Grid_; }

bool TTableForm::TakeEdit() { return Grid_->TakeEdit(); }

void TTableForm::BtnAddClick() {
    if (!TakeEdit() || !Table()) return;
    Model_->AddRows();
    Grid_->scrollToBottom();
}

void TTableForm::BtnInsClick() {
    if (!TakeEdit() || !Table()) return;
    try {
        Model_->InsertRows(Grid_->currentIndex().isValid() ? Grid_->currentIndex().row() : -1);
    } catch (const EGridError& e) {
        ShowMessage(this, QString::fromStdString(e.what()));
    }
}

void TTableForm::BtnDelClick() {
    if (!TakeEdit() || !Table()) return;
    try {
        Model_->DeleteRows(Grid_->currentIndex().isValid() ? Grid_->currentIndex().row() : -1);
    } catch (const EGridError& e) {
        ShowMessage(this, QString::fromStdString(e.what()));
    }
}

void TTableForm::UpdateButtons() {
    const TGridTable* table = Table();
    if (!table) return;
    const bool rowsVary = table->MinRows() != table->MaxRows;
    for (QPushButton* b : {BtnAdd_, BtnIns_, BtnDel_}) b->setVisible(rowsVary);
    BtnAdd_->setEnabled(table->RowCount() != table->MaxRows);
    BtnIns_->setEnabled(table->RowCount() != table->MaxRows);
    BtnDel_->setEnabled(table->RowCount() > table->MinRows());
}

void TTableForm::LayoutGrid() {
    const TGridTable* table = Table();
    if (!table) return;
    const QFontMetrics metrics = Grid_->fontMetrics();
    const int dpi = logicalDpiX();
    const auto textWidth = [&](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text) + QStringLiteral("  "));
    };

    // Row labels and the top-left cell.
    QHeaderView* rowHeader = Grid_->verticalHeader();
    const int labelWidth = std::max(textWidth(table->TopLeft), dpi / 3);
    rowHeader->setMinimumWidth(labelWidth);

    // Columns at their shown widths.
    const int headingRows = Model_->HeadingRows();
    int columnsWidth = 0;
    for (int c = 0; c < Model_->columnCount(); ++c) {
        const TColumn* column = Model_->ColumnAt(c);
        int width = static_cast<int>(column->MinWidthInches() * dpi);
        for (int line = 0; line < headingRows; ++line)
            width = std::max(width, textWidth(column->ShownCaptionLine(static_cast<std::size_t>(line))));
        Grid_->setColumnWidth(c, width);
        columnsWidth += width;
    }

    // At most ten rows shown; the grid fits its columns and shown rows.
    const int rows = table->RowCount();
    const int shownRows = std::min(rows, kMostShownRows);
    const int rowHeight = rowHeader->defaultSectionSize();
    const int headerHeight = Grid_->horizontalHeader()->sizeHint().height();
    const int frame = 2 * Grid_->frameWidth();
    int width = frame + std::max(labelWidth, rowHeader->sizeHint().width()) + columnsWidth;
    if (rows > shownRows) width += Grid_->verticalScrollBar()->sizeHint().width();
    Grid_->setVerticalScrollBarPolicy(rows > shownRows ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    Grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid_->setFixedSize(width, frame + headerHeight + shownRows * rowHeight);

    if (auto* topLeft = Grid_->findChild<QLabel*>(QStringLiteral("TopLeft")))
        topLeft->setGeometry(Grid_->frameWidth(), Grid_->frameWidth(), rowHeader->width(), headerHeight);
}

void TTableForm::OpenSubTable(const QModelIndex& index) {
    const TColumn* column = Model_->ColumnAt(index.column());
    TGridTable* sub = column ? column->AsTable(index.row()) : nullptr;
    if (!sub || !TakeEdit()) return;
    if (isModal())
        ShowTableModal(*sub, this);
    else
        ShowTable(*sub, parentWidget());
}

void TTableForm::showEvent(QShowEvent* event) {
    // The table gets at least its fewest rows.
    if (TGridTable* table = Table(); table && table->RowCount() < table->MinRows())
        table->SetRowCount(table->MinRows());
    LayoutGrid();
    UpdateButtons();
    QDialog::showEvent(event);
}

void TTableForm::closeEvent(QCloseEvent* event) {
    if (!TakeEdit()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
    // Closing unlinks the window from its table at once; the window itself
    // is freed afterwards.
    OpenForms().remove(OpenForms().key(this, nullptr));
    Model_->Detach();
}

void TTableForm::changeEvent(QEvent* event) {
    // A window that is not modal takes the open edit when it loses the
    // focus, and comes back to the front when the entry is refused.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && !isModal() && !Embedded_) {
        if (!TakeEdit()) {
            raise();
            activateWindow();
        }
    }
    QDialog::changeEvent(event);
}

TTableForm::MessageHandler TTableForm::SetMessageHandler(MessageHandler handler) {
    MessageHandler old = std::move(Handler());
    Handler() = std::move(handler);
    return old;
}

void TTableForm::ShowMessage(QWidget* parent, const QString& text) {
    if (Handler()) {
        Handler()(text);
        return;
    }
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::information(parent, QApplication::applicationDisplayName(), shown, QMessageBox::Ok);
}

}  // namespace tarne
