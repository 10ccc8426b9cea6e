// The main window's history: the 16-slot ring, its grid and its file.
#include "main/mainRGB.h"

#include "app/global.h"
#include "controls/bsSkinDrawGrid.h"
#include "main/HistoryFile.h"
#include "main/HistoryRing.h"

#include <QMessageBox>
#include <QPainter>

namespace {

QString HistoryPath() { return AppPath + QStringLiteral("HisColors.dat"); }

void ShowPlainMessage(const std::exception& error)
{
    QMessageBox box(QMessageBox::NoIcon, AppTitle, QString::fromLocal8Bit(error.what()), QMessageBox::Ok);
    box.exec();
}

} // namespace

void TfrmMain::PushHistory()
{
    if (!PushSlot(FHistory, FNextSlot, FLastSlot, FPickedColor))
        return;
    // Column first: when both change, the grid passes through (new column, old row).
    sdgHistory->SetCol(FLastSlot % 4);
    sdgHistory->SetRow(FLastSlot / 4);
    sdgHistory->update();
}

void TfrmMain::sdgHistorySelectCell(int col, int row, bool&)
{
    const TRGBColor slot = FHistory[std::size_t(row * sdgHistory->ColCount + col)];
    if (slot == CurrentColor)
        return;
    CurrentColor = slot;
    UpdateViews();
}

void TfrmMain::sdgHistoryDrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected)
{
    const TRGBColor slot = FHistory[std::size_t(row * sdgHistory->ColCount + col)];
    painter.fillRect(rect, QColor(slot.R, slot.G, slot.B));
    if (selected) {
        const TRGBColor mark = ComplementOf(slot);
        painter.setPen(QColor(mark.R, mark.G, mark.B));
        painter.drawText(QRect(rect.left() + 5, rect.top() - 2, rect.width(), rect.height() + 2), Qt::AlignLeft | Qt::AlignTop,
            QStringLiteral("+"));
    }
}

void TfrmMain::LoadHistory()
{
    try {
        THistoryState state { CurrentColor, FNextSlot, FLastSlot, FHistory };
        LoadHistoryFile(HistoryPath(), state);
        CurrentColor = state.Current;
        FNextSlot = state.NextSlot;
        FLastSlot = state.LastSlot;
        FHistory = state.Slots;
    } catch (const std::exception& error) {
        ShowPlainMessage(error);
    }
}

void TfrmMain::SaveHistory()
{
    try {
        SaveHistoryFile(HistoryPath(), { CurrentColor, FNextSlot, FLastSlot, FHistory });
    } catch (const std::exception& error) {
        ShowPlainMessage(error);
    }
}
