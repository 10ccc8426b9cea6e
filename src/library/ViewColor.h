#pragma once

#include "app/global.h"
#include "controls/SkinForm.h"

#include <QSqlTableModel>
#include <QTableView>

class QLineEdit;
class QPushButton;
class QToolButton;

// The rows of the colour library as the browser shows and edits them: the six columns
// of the table, with the identity read-only. A write the store refuses is reported and
// the row keeps its changes.
class TColorsModel final : public QSqlTableModel {
    Q_OBJECT

public:
    TColorsModel(QObject* parent, const QSqlDatabase& db);

    enum Column { ID, Name, RVal, GVal, BVal, Comment, ColumnCount };
    [[nodiscard]] int FieldColumn(Column column) const { return FColumns[column]; }
    // Binds the six columns by name; throws EStoreError when one is missing.
    void BindColumns();

    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool submit() override;
    bool insertRows(int row, int count, const QModelIndex& parent = {}) override;
    bool ReportErrors = true;

    // The row's colour as the grid holds it: the low 8 bits of each channel, 0 for none.
    [[nodiscard]] TRGBColor RowColor(int row) const;
    // Whether the row holds a change not yet written, or is a new row.
    [[nodiscard]] bool RowDirty(int row) const;
    [[nodiscard]] bool RowInserted(int row) const;
    // Whether an inserted row is still without any value.
    [[nodiscard]] bool RowUntouched(int row) const;

signals:
    // A new row reached the store under this identity.
    void InsertWritten(qint64 id);

private:
    int FColumns[ColumnCount] {};
    bool FInsertPending = false;
};

// The browser's data grid: a table view that tells whether a cell editor is open.
class TbsSkinDBGrid final : public QTableView {
public:
    using QTableView::QTableView;
    [[nodiscard]] bool CellEditing() const { return state() == EditingState; }
};

// The library browser: lists, searches, edits and deletes rows, and loads the colour
// of the current row into the main window.
class TfrmViewColor final : public TSkinForm {
    Q_OBJECT

public:
    // Opens the list at once; throws EStoreError when it cannot, and no window remains.
    explicit TfrmViewColor(QWidget* owner);

    QWidget* bsSkinDBNavigator1 = nullptr;
    QLineEdit* edtKeyword = nullptr;
    QPushButton* bsSkinButton3 = nullptr; // 查找
    QPushButton* bsSkinButton4 = nullptr; // 全部
    TbsSkinDBGrid* dbgColors = nullptr;
    QPushButton* bsSkinButton1 = nullptr; // 确定
    QPushButton* bsSkinButton2 = nullptr; // 取消
    TColorsModel* adoqLib = nullptr;

    enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
    [[nodiscard]] QToolButton* NavigatorButton(TNavigateBtn button) const { return FNavigator[button]; }
    [[nodiscard]] bool ListOpen() const { return FListOpen; }
    [[nodiscard]] bool Editing() const;

    void bsSkinButton3Click(); // 查找
    void bsSkinButton4Click(); // 全部
    void bsSkinButton1Click(); // 确定: loads the current row's colour
    void Navigate(TNavigateBtn button);
    void DeleteCurrentRow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildNavigator();
    void BuildGrid();
    void FormCreate();
    void ShowColumns();
    // Runs the list's statement with a filter; on failure the list stays closed.
    void OpenList(const QString& filter);
    void CurrentRowChanged(int current, int previous);
    void ReloadAfterInsert(qint64 id);
    void GoToID(qint64 id, int column);
    void ScheduleNavigatorUpdate();
    void UpdateNavigator();

    QToolButton* FNavigator[nbRefresh + 1] {};
    bool FListOpen = false;
    bool FColumnsShown = false;
    QString FListError; // why the list could not open
    bool FNavigatorUpdatePending = false;
    bool FReturningToRow = false;
};
