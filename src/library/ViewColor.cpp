#include "library/ViewColor.h"

#include "app/Errors.h"
#include "app/MessageBox.h"
#include "app/TintoraApplication.h"
#include "app/dm.h"
#include "library/ColorStore.h"

#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <climits>

namespace {

struct ColumnInfo {
    const char* field;
    const char* title;
    int chars; // default width in characters
    bool number;
};

constexpr ColumnInfo Columns[TColorsModel::ColumnCount] = {
    { "ID", "编号", 10, true },
    { "Name", "名称", 20, false },
    { "RVal", "红", 10, true },
    { "GVal", "绿", 10, true },
    { "BVal", "蓝", 10, true },
    { "Comment", "注释", 50, false },
};

std::uint8_t LowByte(const QVariant& value) { return value.isNull() ? 0 : std::uint8_t(value.toLongLong() & 0xFF); }

// Every cell in its row's colour with the text in the complement; the current cell
// the other way round. No focus rectangle.
class TColorCellDelegate final : public QStyledItemDelegate {
public:
    TColorCellDelegate(QTableView* grid, TColorsModel* model)
        : QStyledItemDelegate(grid)
        , FGrid(grid)
        , FModel(model)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const TRGBColor row = FModel->RowColor(index.row());
        const TRGBColor complement = ComplementOf(row);
        const bool selected = index == FGrid->currentIndex();
        const TRGBColor brush = selected ? complement : row;
        const TRGBColor text = selected ? row : complement;
        painter->fillRect(option.rect, QColor(brush.R, brush.G, brush.B));
        painter->setPen(QColor(text.R, text.G, text.B));
        painter->setFont(option.font);
        // One line per cell: a comment's line breaks show as blanks.
        QString display = index.data(Qt::DisplayRole).toString();
        display.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (IsNumber(index.column()))
            painter->drawText(option.rect.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, display);
        else
            painter->drawText(option.rect.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, display);
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        const int column = index.column();
        if (column == FModel->FieldColumn(TColorsModel::Name))
            editor->setMaxLength(20);
        else if (column == FModel->FieldColumn(TColorsModel::Comment))
            editor->setMaxLength(50);
        else if (column == FModel->FieldColumn(TColorsModel::BVal))
            editor->setValidator(new QIntValidator(INT_MIN, INT_MAX, editor));
        else // red and green: an unsigned 16-bit field
            editor->setValidator(new QIntValidator(0, 65535, editor));
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QLineEdit*>(editor)->setText(index.data(Qt::EditRole).toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* line = static_cast<QLineEdit*>(editor);
        QString text = line->text();
        if (!IsNumber(index.column())) {
            model->setData(index, text);
            return;
        }
        int position = 0;
        if (text.isEmpty())
            model->setData(index, QVariant());
        else if (line->validator()->validate(text, position) == QValidator::Acceptable)
            model->setData(index, text.toLongLong());
        // Anything else ("-", a number past the range) is not a value: the cell keeps its own.
    }

private:
    [[nodiscard]] bool IsNumber(int column) const
    {
        for (int i = 0; i < TColorsModel::ColumnCount; ++i) {
            if (FModel->FieldColumn(TColorsModel::Column(i)) == column)
                return Columns[i].number;
        }
        return false;
    }

    QTableView* FGrid;
    TColorsModel* FModel;
};

// The navigator's pictures: small black glyphs.
QIcon NavigatorGlyph(TfrmViewColor::TNavigateBtn button)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1.6));
    painter.setBrush(QColor(40, 40, 40));
    const auto arrow = [&](bool left, qreal x) {
        QPolygonF shape;
        if (left)
            shape << QPointF(x + 5, 3.5) << QPointF(x + 5, 12.5) << QPointF(x, 8);
        else
            shape << QPointF(x, 3.5) << QPointF(x, 12.5) << QPointF(x + 5, 8);
        painter.drawPolygon(shape);
    };
    switch (button) {
    case TfrmViewColor::nbFirst:
        painter.drawLine(QPointF(4, 3.5), QPointF(4, 12.5));
        arrow(true, 6);
        break;
    case TfrmViewColor::nbPrior:
        arrow(true, 5);
        break;
    case TfrmViewColor::nbNext:
        arrow(false, 6);
        break;
    case TfrmViewColor::nbLast:
        arrow(false, 5);
        painter.drawLine(QPointF(12, 3.5), QPointF(12, 12.5));
        break;
    case TfrmViewColor::nbInsert:
        painter.drawLine(QPointF(8, 3), QPointF(8, 13));
        painter.drawLine(QPointF(3, 8), QPointF(13, 8));
        break;
    case TfrmViewColor::nbDelete:
        painter.drawLine(QPointF(3, 8), QPointF(13, 8));
        break;
    case TfrmViewColor::nbEdit:
        painter.drawPolygon(QPolygonF() << QPointF(8, 4) << QPointF(13, 12) << QPointF(3, 12));
        break;
    case TfrmViewColor::nbPost:
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(QPolygonF() << QPointF(3, 8) << QPointF(7, 12) << QPointF(13, 4));
        break;
    case TfrmViewColor::nbCancel:
        painter.drawLine(QPointF(4, 4), QPointF(12, 12));
        painter.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case TfrmViewColor::nbRefresh:
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(3, 3, 10, 10), 90 * 16, 270 * 16);
        painter.setBrush(QColor(40, 40, 40));
        painter.drawPolygon(QPolygonF() << QPointF(8, 1) << QPointF(11, 3) << QPointF(8, 5.5));
        break;
    }
    return QIcon(pixmap);
}

} // namespace

TColorsModel::TColorsModel(QObject* parent, const QSqlDatabase& db)
    : QSqlTableModel(parent, db)
{
    setEditStrategy(OnRowChange);
}

void TColorsModel::BindColumns()
{
    const QSqlRecord fields = record();
    for (int i = 0; i < ColumnCount; ++i) {
        FColumns[i] = fields.indexOf(QLatin1String(Columns[i].field));
        if (FColumns[i] < 0)
            throw EStoreError(QStringLiteral("Field '%1' not found").arg(QLatin1String(Columns[i].field)));
    }
}

Qt::ItemFlags TColorsModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QSqlTableModel::flags(index);
    if (index.column() == FColumns[ID])
        result &= ~Qt::ItemIsEditable; // assigned by the store
    return result;
}

bool TColorsModel::insertRows(int row, int count, const QModelIndex& parent)
{
    const bool inserted = QSqlTableModel::insertRows(row, count, parent);
    FInsertPending = FInsertPending || inserted;
    return inserted;
}

bool TColorsModel::submit()
{
    // The view submits on every change of row; a new row without any value yet has
    // nothing to write and stays as it is.
    if (FInsertPending) {
        bool inserted = false;
        for (int row = 0; row < rowCount(); ++row) {
            if (!RowInserted(row))
                continue;
            if (RowUntouched(row))
                return true;
            inserted = true;
        }
        FInsertPending = inserted; // no new row left: later row changes skip the search
    }
    if (QSqlTableModel::submit()) {
        if (FInsertPending && !isDirty()) {
            // The store numbered the new row; the list is read again to show it as stored.
            FInsertPending = false;
            QSqlQuery last(database());
            if (last.exec(QStringLiteral("SELECT last_insert_rowid()")) && last.next())
                emit InsertWritten(last.value(0).toLongLong());
        }
        return true;
    }
    // The view asked in passing; the user hears of it once control is back.
    if (ReportErrors)
        TintoraApplication::HandleExceptionLater(EStoreError(lastError().text()));
    return false;
}

TRGBColor TColorsModel::RowColor(int row) const
{
    return { LowByte(data(index(row, FColumns[RVal]))), LowByte(data(index(row, FColumns[GVal]))),
        LowByte(data(index(row, FColumns[BVal]))) };
}

bool TColorsModel::RowInserted(int row) const
{
    // The model marks a row it has not written yet as "*" in its vertical header.
    return headerData(row, Qt::Vertical).toString() == QLatin1String("*");
}

bool TColorsModel::RowDirty(int row) const
{
    if (RowInserted(row))
        return true;
    for (int column = 0; column < columnCount(); ++column) {
        if (isDirty(index(row, column)))
            return true;
    }
    return false;
}

bool TColorsModel::RowUntouched(int row) const
{
    for (int column : FColumns) {
        if (column != FColumns[ID] && !data(index(row, column)).isNull())
            return false;
    }
    return true;
}

TfrmViewColor::TfrmViewColor(QWidget* owner)
    : TSkinForm(owner)
{
    setObjectName(QStringLiteral("frmViewColor"));
    setWindowTitle(QStringLiteral("颜色库"));
    SetTitleButtons(false, false);
    SetClientSize(QSize(554, 360));
    QWidget* client = Client();

    adoqLib = new TColorsModel(this, ConnectedStore());

    // In tab order.
    bsSkinButton1 = new QPushButton(QStringLiteral("确定"), client);
    bsSkinButton1->setGeometry(374, 325, 75, 22);
    bsSkinButton1->setCursor(Qt::PointingHandCursor);
    bsSkinButton2 = new QPushButton(QStringLiteral("取消"), client);
    bsSkinButton2->setGeometry(466, 325, 73, 22);
    bsSkinButton2->setCursor(Qt::PointingHandCursor);
    BuildGrid();
    BuildNavigator();
    (new QLabel(QStringLiteral("颜色名称"), client))->setGeometry(248, 8, 57, 13);
    edtKeyword = new QLineEdit(client);
    edtKeyword->setObjectName(QStringLiteral("edtKeyword"));
    edtKeyword->setGeometry(304, 5, 97, 18);
    QFont keywordFont(QStringList { QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), font().family() });
    keywordFont.setPixelSize(14);
    edtKeyword->setFont(keywordFont);
    bsSkinButton3 = new QPushButton(QStringLiteral("查找"), client);
    bsSkinButton3->setGeometry(409, 3, 57, 22);
    bsSkinButton4 = new QPushButton(QStringLiteral("全部"), client);
    bsSkinButton4->setGeometry(472, 3, 57, 22);
    (new QLabel(QStringLiteral("选中库中的颜色，点击确定加载该颜色信息"), client))->setGeometry(8, 328, 353, 13);

    SetDefaultButton(bsSkinButton1);
    SetCancelButton(bsSkinButton2);
    connect(bsSkinButton1, &QPushButton::clicked, this, [this] {
        SetModalResult(mrOk);
        bsSkinButton1Click();
    });
    connect(bsSkinButton2, &QPushButton::clicked, this, [this] { SetModalResult(mrNo); });
    connect(bsSkinButton3, &QPushButton::clicked, this, &TfrmViewColor::bsSkinButton3Click);
    connect(bsSkinButton4, &QPushButton::clicked, this, &TfrmViewColor::bsSkinButton4Click);

    OpenList(QString());
    if (!FListOpen)
        throw EStoreError(FListError);
    FormCreate();
}

void TfrmViewColor::ShowColumns()
{
    adoqLib->BindColumns();
    for (int i = 0; i < TColorsModel::ColumnCount; ++i)
        adoqLib->setHeaderData(
            adoqLib->FieldColumn(TColorsModel::Column(i)), Qt::Horizontal, QString::fromUtf8(Columns[i].title));
    // Only the six columns, in their order, each as wide as its rule says.
    const QFontMetrics digits(dbgColors->font());
    const QFontMetrics titles(dbgColors->horizontalHeader()->font());
    for (int column = 0; column < adoqLib->columnCount(); ++column)
        dbgColors->setColumnHidden(column, true);
    for (int i = 0; i < TColorsModel::ColumnCount; ++i) {
        const int column = adoqLib->FieldColumn(TColorsModel::Column(i));
        dbgColors->setColumnHidden(column, false);
        dbgColors->horizontalHeader()->moveSection(dbgColors->horizontalHeader()->visualIndex(column), i);
        const int width = digits.horizontalAdvance(QLatin1Char('0')) * Columns[i].chars + 4;
        dbgColors->setColumnWidth(column, std::max(width, titles.horizontalAdvance(QString::fromUtf8(Columns[i].title)) + 4));
    }
    FColumnsShown = true;
}

void TfrmViewColor::BuildGrid()
{
    dbgColors = new TbsSkinDBGrid(Client());
    dbgColors->setObjectName(QStringLiteral("dbgColors"));
    dbgColors->setGeometry(8, 32, 537, 281);
    dbgColors->setModel(adoqLib);
    dbgColors->setItemDelegate(new TColorCellDelegate(dbgColors, adoqLib));
    dbgColors->verticalHeader()->hide();
    dbgColors->verticalHeader()->setDefaultSectionSize(20);
    dbgColors->verticalHeader()->setMinimumSectionSize(20);
    dbgColors->horizontalHeader()->setHighlightSections(false);
    dbgColors->setSelectionMode(QAbstractItemView::SingleSelection);
    dbgColors->setSelectionBehavior(QAbstractItemView::SelectItems);
    dbgColors->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::SelectedClicked | QAbstractItemView::DoubleClicked);
    dbgColors->setTabKeyNavigation(true);
    dbgColors->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    dbgColors->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    dbgColors->installEventFilter(this);
    dbgColors->viewport()->installEventFilter(this);
    connect(dbgColors->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current, const QModelIndex& previous) {
            dbgColors->viewport()->update(); // the inverted cell moves
            CurrentRowChanged(current.row(), previous.row());
        });
    connect(adoqLib, &QAbstractItemModel::modelReset, this, &TfrmViewColor::ScheduleNavigatorUpdate);
    connect(adoqLib, &TColorsModel::InsertWritten, this, &TfrmViewColor::ReloadAfterInsert, Qt::QueuedConnection);
    connect(adoqLib, &QAbstractItemModel::rowsInserted, this, &TfrmViewColor::ScheduleNavigatorUpdate);
    connect(adoqLib, &QAbstractItemModel::rowsRemoved, this, &TfrmViewColor::ScheduleNavigatorUpdate);
    connect(adoqLib, &QAbstractItemModel::dataChanged, this, [this] {
        dbgColors->viewport()->update(); // a channel change recolours its whole row
        ScheduleNavigatorUpdate();
    });
}

void TfrmViewColor::BuildNavigator()
{
    static const char* const names[]
        = { "nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete", "nbEdit", "nbPost", "nbCancel", "nbRefresh" };
    static const char* const hints[] = { "FirstRecord", "PriorRecord", "NextRecord", "LastRecord", "InsertRecord", "DeleteRecord",
        "EditRecord", "PostEdit", "CancelEdit", "RefreshRecord" };
    bsSkinDBNavigator1 = new QWidget(Client());
    bsSkinDBNavigator1->setObjectName(QStringLiteral("bsSkinDBNavigator1"));
    bsSkinDBNavigator1->setGeometry(6, 4, 230, 20);
    for (int i = 0; i <= nbRefresh; ++i) {
        auto* button = new QToolButton(bsSkinDBNavigator1);
        button->setObjectName(QLatin1String(names[i]));
        button->setToolTip(QLatin1String(hints[i]));
        button->setIcon(NavigatorGlyph(TNavigateBtn(i)));
        button->setGeometry(i * 23, 0, 23, 20);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QToolButton::clicked, this, [this, i] { Navigate(TNavigateBtn(i)); });
        FNavigator[i] = button;
    }
}

void TfrmViewColor::FormCreate()
{
    if (!FListOpen)
        OpenList(QString());
    bsSkinButton1->setFocus(Qt::OtherFocusReason); // Enter at once loads the first row
    UpdateNavigator();
}

void TfrmViewColor::OpenList(const QString& filter)
{
    // Whatever was not written yet goes with the old list.
    adoqLib->revertAll();
    if (adoqLib->tableName().isEmpty()) {
        adoqLib->setTable(QStringLiteral("colors"));
        FColumnsShown = false;
    }
    adoqLib->setFilter(filter);
    FListOpen = adoqLib->select();
    if (!FListOpen) {
        FListError = adoqLib->lastError().text();
        adoqLib->clear(); // a closed list shows nothing
        FColumnsShown = false;
    } else if (!FColumnsShown) {
        ShowColumns();
    }
    if (FListOpen && adoqLib->rowCount() > 0) {
        dbgColors->setCurrentIndex(adoqLib->index(0, adoqLib->FieldColumn(TColorsModel::ID)));
    }
    UpdateNavigator();
}

void TfrmViewColor::bsSkinButton3Click()
{
    const QString keyword = edtKeyword->text();
    if (keyword.isEmpty())
        return;
    ColorStore::SetSearchKeyword(ConnectedStore(), keyword);
    OpenList(ColorStore::SearchFilter());
    if (!FListOpen)
        throw EStoreError(FListError);
}

void TfrmViewColor::bsSkinButton4Click()
{
    OpenList(QString());
    if (!FListOpen)
        throw EStoreError(FListError);
}

void TfrmViewColor::bsSkinButton1Click()
{
    const int row = dbgColors->currentIndex().row();
    CurrentColor = FListOpen && row >= 0 ? adoqLib->RowColor(row) : TRGBColor { 0, 0, 0 };
}

bool TfrmViewColor::Editing() const { return FListOpen && (adoqLib->isDirty() || dbgColors->CellEditing()); }

void TfrmViewColor::Navigate(TNavigateBtn button)
{
    if (!FListOpen)
        return;
    const QModelIndex current = dbgColors->currentIndex();
    const int column = current.isValid() ? current.column() : adoqLib->FieldColumn(TColorsModel::ID);
    const auto go = [&](int row) {
        if (row >= 0 && row < adoqLib->rowCount())
            dbgColors->setCurrentIndex(adoqLib->index(row, column));
    };
    switch (button) {
    case nbFirst:
        go(0);
        break;
    case nbPrior:
        go(current.row() - 1);
        break;
    case nbNext:
        if (current.row() + 1 >= adoqLib->rowCount() && adoqLib->canFetchMore())
            adoqLib->fetchMore();
        go(current.row() + 1);
        break;
    case nbLast:
        while (adoqLib->canFetchMore())
            adoqLib->fetchMore();
        go(adoqLib->rowCount() - 1);
        break;
    case nbInsert: {
        const int row = std::max(0, current.row());
        adoqLib->insertRow(row);
        dbgColors->setCurrentIndex(adoqLib->index(row, column));
        dbgColors->setFocus();
        break;
    }
    case nbDelete:
        DeleteCurrentRow();
        break;
    case nbEdit:
        dbgColors->setFocus();
        dbgColors->edit(current);
        break;
    case nbPost:
        if (QWidget* editor = dbgColors->indexWidget(current); editor)
            editor->clearFocus();
        adoqLib->submit();
        break;
    case nbCancel:
        if (current.isValid())
            adoqLib->revertRow(current.row());
        break;
    case nbRefresh: {
        const int row = current.row();
        adoqLib->revertAll();
        if (!adoqLib->select())
            throw EStoreError(adoqLib->lastError().text());
        go(std::min(row, adoqLib->rowCount() - 1));
        break;
    }
    }
    UpdateNavigator();
}

void TfrmViewColor::DeleteCurrentRow()
{
    const QModelIndex current = dbgColors->currentIndex();
    if (!FListOpen || !current.isValid())
        return;
    if (ShowMessageBox(QStringLiteral("要删除这条记录吗?"), TMsgDlgType::mtConfirmation, mbOK | mbCancel) == 2)
        return;
    const int row = current.row();
    const int column = current.column();
    if (!adoqLib->removeRow(row))
        throw EStoreError(adoqLib->lastError().text());
    // The deleted row leaves the list; the row after it becomes current.
    if (!adoqLib->select())
        throw EStoreError(adoqLib->lastError().text());
    while (row >= adoqLib->rowCount() && adoqLib->canFetchMore())
        adoqLib->fetchMore();
    const int next = std::min(row, adoqLib->rowCount() - 1);
    if (next >= 0)
        dbgColors->setCurrentIndex(adoqLib->index(next, column));
    UpdateNavigator();
}

void TfrmViewColor::CurrentRowChanged(int current, int previous)
{
    if (FReturningToRow || previous < 0 || current == previous)
        return;
    // Leaving a row writes it (the view asks the model). When the store refused, the
    // row is still changed: it becomes current again, still in editing.
    QTimer::singleShot(0, this, [this, previous] {
        if (previous >= adoqLib->rowCount() || !adoqLib->RowDirty(previous) || dbgColors->currentIndex().row() == previous)
            return;
        FReturningToRow = true;
        adoqLib->ReportErrors = false; // told once already
        dbgColors->setCurrentIndex(adoqLib->index(previous, dbgColors->currentIndex().column()));
        adoqLib->ReportErrors = true;
        FReturningToRow = false;
    });
    ScheduleNavigatorUpdate();
}

void TfrmViewColor::ReloadAfterInsert(qint64 id)
{
    if (!FListOpen || adoqLib->isDirty())
        return;
    // Stay on the row the user is on: the new one, or the one moved to.
    const QModelIndex current = dbgColors->currentIndex();
    const QVariant currentID
        = current.isValid() ? adoqLib->index(current.row(), adoqLib->FieldColumn(TColorsModel::ID)).data() : QVariant();
    const qint64 keep = currentID.isNull() ? id : currentID.toLongLong();
    const int column = current.isValid() ? current.column() : adoqLib->FieldColumn(TColorsModel::ID);
    if (!adoqLib->select())
        throw EStoreError(adoqLib->lastError().text());
    GoToID(keep, column);
}

void TfrmViewColor::GoToID(qint64 id, int column)
{
    const int idColumn = adoqLib->FieldColumn(TColorsModel::ID);
    for (int row = 0;; ++row) {
        while (row >= adoqLib->rowCount() && adoqLib->canFetchMore())
            adoqLib->fetchMore();
        if (row >= adoqLib->rowCount())
            return;
        if (adoqLib->index(row, idColumn).data().toLongLong() == id) {
            dbgColors->setCurrentIndex(adoqLib->index(row, column));
            return;
        }
    }
}

bool TfrmViewColor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == dbgColors && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex current = dbgColors->currentIndex();
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
            if (adoqLib->rowCount() > 0)
                DeleteCurrentRow();
            return true;
        }
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
            Navigate(nbInsert);
            return true;
        }
        // Esc with nothing typed drops the row's changes; with none, it cancels the window.
        if (key->key() == Qt::Key_Escape && current.isValid() && adoqLib->RowDirty(current.row())) {
            adoqLib->revertRow(current.row());
            ScheduleNavigatorUpdate();
            return true;
        }
    }
    if (watched == dbgColors && event->type() == QEvent::FocusOut) {
        // A new row left without a value does not stay (also when the window closes).
        const int row = dbgColors->currentIndex().row();
        if (row >= 0 && !dbgColors->CellEditing() && adoqLib->RowDirty(row) && adoqLib->RowUntouched(row))
            adoqLib->revertRow(row);
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonRelease)
        ScheduleNavigatorUpdate();
    return TSkinForm::eventFilter(watched, event);
}

void TfrmViewColor::ScheduleNavigatorUpdate()
{
    if (FNavigatorUpdatePending)
        return;
    FNavigatorUpdatePending = true;
    QTimer::singleShot(0, this, [this] {
        FNavigatorUpdatePending = false;
        UpdateNavigator();
    });
}

void TfrmViewColor::UpdateNavigator()
{
    const int row = dbgColors->currentIndex().row();
    const int rows = adoqLib->rowCount();
    const bool editing = Editing();
    const bool notFirst = FListOpen && row > 0;
    const bool notLast = FListOpen && (row < rows - 1 || adoqLib->canFetchMore());
    const bool states[] = { notFirst, notFirst, notLast, notLast, FListOpen, FListOpen && rows > 0, FListOpen && !editing,
        FListOpen && editing, FListOpen && editing, FListOpen };
    for (int i = 0; i <= nbRefresh; ++i)
        FNavigator[i]->setEnabled(states[i]);
}
