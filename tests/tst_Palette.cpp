#include "app/TintoraApplication.h"
#include "controls/SkinForm.h"
#include "controls/bsSkinTrackEdit.h"
#include "main/mainRGB.h"
#include "palette/ColorDialogs.h"
#include "palette/ColorGrids.h"
#include "platform/FakeDesktop.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

TRGBColor Rgb(int r, int g, int b) { return { std::uint8_t(r), std::uint8_t(g), std::uint8_t(b) }; }
TColor Value(int r, int g, int b) { return ToTColor(Rgb(r, g, b)); }

} // namespace

class tst_Palette : public QObject {
    Q_OBJECT

    // Runs `act` inside the open dialog, then presses OK or Cancel; returns Execute's result.
    static bool Run(TbsSkinColorDialog& dialog, const std::function<void(TbsSkinColorDialog&)>& act, bool ok)
    {
        QTimer::singleShot(0, [&] {
            QVERIFY(dialog.Window() && dialog.Window()->isVisible());
            act(dialog);
            (ok ? dialog.FOKButton : dialog.FCancelButton)->click();
        });
        const bool result = dialog.Execute();
        if (dialog.Window())
            dialog.Window()->close();
        return result;
    }

    static QList<int> Edits(const TbsSkinColorDialog& d)
    {
        return { d.FREdit->Value(), d.FGEdit->Value(), d.FBEdit->Value(), d.FHEdit->Value(), d.FSEdit->Value(),
            d.FLEdit->Value() };
    }

    static void Press(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(w, button, {}, at);
        QTest::mouseRelease(w, button, {}, at);
    }

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([](const QString& text) { QFAIL(qPrintable(text)); });
    }

    void basicColors()
    {
        QCOMPARE(QSet<TColor>(BasicColors.begin(), BasicColors.end()).size(), 48);
        QCOMPARE(BasicColors[0], Value(0, 0, 0));
        QCOMPARE(BasicColors[18], Value(0x80, 0x80, 0x80)); // row 4, column 1
        QCOMPARE(BasicColors[37], Value(0x80, 0x42, 0x4F));
        QVERIFY(IsBasicColor(Value(255, 255, 255)));
        QVERIFY(!IsBasicColor(0x01000000)); // the top byte counts
        QVERIFY(!IsBasicColor(Value(200, 100, 50)));
    }

    void gridGeometry()
    {
        const TGridGeometry g(QRect(0, 0, 100, 50), 2, 4);
        QCOMPARE(g.CellWidth, 23);
        QCOMPARE(g.CellHeight, 23);
        QCOMPARE(g.Origin(1), QPoint(1, 1));
        QCOMPARE(g.Origin(2), QPoint(26, 1));
        QCOMPARE(g.Origin(5), QPoint(1, 26));
        QCOMPARE(g.IndexAt(QPoint(1, 1)), 1);
        QCOMPARE(g.IndexAt(QPoint(23, 23)), 1);
        QCOMPARE(g.IndexAt(QPoint(24, 5)), 0); // the gap between two swatches
        QCOMPARE(g.IndexAt(QPoint(26, 30)), 6);
        // An uneven client: the block is centred.
        const TGridGeometry centred(QRect(10, 20, 107, 54), 2, 4); // cells 24 x 25, block 104 x 54
        QCOMPARE(centred.BlockTopLeft, QPoint(10 + 107 / 2 - 104 / 2, 20));
    }

    void basicGrid()
    {
        TbsSkinColorGrid grid;
        grid.SetRowCount(8);
        grid.SetColCount(6);
        grid.resize(167, 195);
        int changes = 0;
        grid.OnChange = [&] { ++changes; };
        grid.SetColorValue(Value(0x80, 0x80, 0x80));
        QCOMPARE(changes, 1);
        grid.SetColorValue(Value(200, 100, 50)); // not basic: stored, nothing raised
        QCOMPARE(changes, 1);
        QCOMPARE(grid.ColorValue(), Value(200, 100, 50));
        // A click on a swatch, also the marked one again, raises every time.
        const TGridGeometry g = grid.Geometry();
        const QPoint cell = g.Origin(3) + QPoint(g.CellWidth / 2, g.CellHeight / 2);
        Press(&grid, cell, Qt::RightButton);
        Press(&grid, cell);
        QCOMPARE(changes, 3);
        QCOMPARE(grid.ColorValue(), BasicColors[2]);
        Press(&grid, g.Origin(1) + QPoint(g.CellWidth, 0)); // in the gap
        QCOMPARE(changes, 3);
        grid.SetRowCount(0);
        grid.SetColCount(-1);
        QCOMPARE(grid.RowCount(), 8);
        QCOMPARE(grid.ColCount(), 6);
    }

    void customGrid()
    {
        TbsSkinCustomColorGrid grid;
        grid.resize(167, 68);
        for (int i = 1; i <= 14; ++i)
            grid.AddCustomColor(TColor(i));
        QCOMPARE(grid.FCount, 2);
        QCOMPARE(grid.FColors[1], TColor(13));
        QCOMPARE(grid.FColors[2], TColor(14));
        QCOMPARE(grid.FColors[3], TColor(3));
        QCOMPARE(grid.FSelected, 0); // adding marks nothing
        TbsSkinCustomColorGrid fresh;
        fresh.resize(167, 68);
        int changes = 0;
        fresh.OnChange = [&] { ++changes; };
        const TGridGeometry g = fresh.Geometry();
        Press(&fresh, g.Origin(7) + QPoint(2, 2));
        QCOMPARE(fresh.ColorValue(), TColor(0x00FFFFFF)); // never filled: white
        QCOMPARE(fresh.FSelected, 7);
        QCOMPARE(changes, 1);
    }

    void viewer()
    {
        TbsColorViewer viewer;
        viewer.resize(40, 40);
        viewer.SetColorValue(Value(10, 200, 30));
        const QImage shot = viewer.grab().toImage();
        QCOMPARE(QColor(shot.pixel(0, 0)), QColor(0, 0, 0));
        QCOMPARE(QColor(shot.pixel(20, 20)), QColor(10, 200, 30));
    }

    void opensWithBlack()
    {
        TbsSkinColorDialog dialog;
        QVERIFY(Run(
            dialog,
            [](TbsSkinColorDialog& d) {
                QCOMPARE(d.Window()->Client()->size(), QSize(378, 343));
                QCOMPARE(d.FBasicGrid->ColorValue(), TColor(0));
                QCOMPARE(Edits(d), QList<int>({ 0, 0, 0, 0, 0, 0 }));
                QCOMPARE(d.FREdit->text(), QStringLiteral("0"));
                QCOMPARE(d.FHEdit->TrackBarWidth, 250);
                QVERIFY(d.FHEdit->JumpWhenClick);
                QCOMPARE(d.FHEdit->PopupKind, TbsSkinTrackEdit::tbpLeft);
            },
            true));
        QCOMPARE(dialog.Color, TColor(0));
        QVERIFY(!dialog.Window()); // destroyed with Execute
    }

    void opensWithAnyColour()
    {
        TbsSkinColorDialog dialog;
        dialog.Color = Value(200, 100, 50);
        QVERIFY(Run(
            dialog,
            [](TbsSkinColorDialog& d) {
                QCOMPARE(Edits(d), QList<int>({ 200, 100, 50, 20, 75, 78 }));
                QCOMPARE(d.PickerColor().RGB, Rgb(200, 100, 50));
                QCOMPARE(HuePicker::SquareMarker(d.PickerColor().HSL), QPoint(108, 96));
                QCOMPARE(d.FViewer->ColorValue(), Value(200, 100, 50));
            },
            true));
        QCOMPARE(dialog.Color, Value(200, 100, 50)); // OK untouched: the same, a plain value
    }

    void cancelKeepsEverything()
    {
        TbsSkinColorDialog dialog;
        dialog.Color = Value(1, 2, 3);
        QVERIFY(!Run(
            dialog,
            [](TbsSkinColorDialog& d) {
                const TGridGeometry g = d.FBasicGrid->Geometry();
                Press(d.FBasicGrid, g.Origin(5) + QPoint(3, 3));
                QCOMPARE(d.FViewer->ColorValue(), BasicColors[4]);
                d.FAddButton->click();
                QCOMPARE(d.FCustomGrid->FCount, 1);
            },
            false));
        QCOMPARE(dialog.Color, Value(1, 2, 3));
        QCOMPARE(dialog.FCustomCount, 0);
        QCOMPARE(dialog.FCustomColors[1], TColor(0x00FFFFFF));
    }

    void customColoursCarryOverAfterOk()
    {
        TbsSkinColorDialog dialog;
        QVERIFY(Run(
            dialog,
            [](TbsSkinColorDialog& d) {
                for (int i = 1; i <= 13; ++i) {
                    d.FREdit->SetValue(i);
                    d.FAddButton->click();
                }
            },
            true));
        QCOMPARE(dialog.FCustomCount, 1);
        QCOMPARE(dialog.FCustomColors[1], Value(13, 0, 0)); // the 13th overwrote slot 1
        QCOMPARE(dialog.FCustomColors[12], Value(12, 0, 0));
        QVERIFY(!Run(
            dialog,
            [](TbsSkinColorDialog& d) {
                QCOMPARE(d.FCustomGrid->FCount, 1);
                QCOMPARE(d.FCustomGrid->FSelected, 0);
                const TGridGeometry g = d.FCustomGrid->Geometry();
                Press(d.FCustomGrid, g.Origin(2) + QPoint(3, 3));
                QCOMPARE(Edits(d).mid(0, 3), QList<int>({ 2, 0, 0 }));
            },
            false));
    }

    void editsKeepTheirOwnNumbers()
    {
        TbsSkinColorDialog dialog;
        dialog.Color = Value(255, 0, 0);
        Run(
            dialog,
            [](TbsSkinColorDialog& d) {
                QCOMPARE(Edits(d), QList<int>({ 255, 0, 0, 0, 100, 100 }));
                d.FHEdit->SetValue(239);
                QCOMPARE(Edits(d), QList<int>({ 0, 4, 255, 239, 100, 100 }));
                QCOMPARE(d.PickerColor().RGB, Rgb(0, 4, 255));
                d.FREdit->setText(QStringLiteral("300")); // typed past the range
                QCOMPARE(d.FREdit->Value(), 255);
                QCOMPARE(d.FViewer->ColorValue(), Value(255, 4, 255));
            },
            false);
    }

    void huePicker()
    {
        TbsSkinColorDialog dialog;
        dialog.Color = Value(100, 150, 100);
        Run(
            dialog,
            [](TbsSkinColorDialog& d) {
                const THSLBytes before = d.PickerColor().HSLBytes;
                // The right button grabs the ring but changes nothing.
                d.PickerMouseDown(Qt::RightButton, QPoint(97, 10));
                d.PickerMouseUp(Qt::RightButton, QPoint(97, 10));
                QCOMPARE(d.PickerColor().HSLBytes, before);
                // Straight up: hue byte 255, red. The edits follow, the picker keeps its
                // own bytes (it is not set again from the edits).
                d.PickerMouseDown(Qt::LeftButton, QPoint(97, 10));
                d.PickerMouseUp(Qt::LeftButton, QPoint(97, 10));
                QCOMPARE(d.PickerColor().HSLBytes, (THSLBytes { 255, before.S, before.L }));
                const TRGBColor red = d.PickerColor().RGB;
                QVERIFY(red.R > red.G && red.G == red.B);
                QCOMPARE(Edits(d).mid(0, 3), QList<int>({ red.R, red.G, red.B }));
                QCOMPARE(d.FViewer->ColorValue(), ToTColor(red));
                // The same hue byte again changes nothing, not even the picture.
                const QImage picture = d.PickerPicture();
                d.PickerMouseDown(Qt::LeftButton, QPoint(97, 9));
                d.PickerMouseUp(Qt::LeftButton, QPoint(97, 9));
                QCOMPARE(d.PickerPicture(), picture);
                QCOMPARE(HuePicker::HueMarker(d.PickerColor().HSL), QPoint(97, 10)); // at the top
                // A square drag that leaves the square is pinned to its edge.
                d.PickerMouseDown(Qt::LeftButton, QPoint(100, 100));
                d.PickerMouseMove(Qt::LeftButton, QPoint(400, -50));
                QCOMPARE(d.PickerColor().HSLBytes.S, std::uint8_t(255));
                QCOMPARE(d.PickerColor().HSLBytes.L, std::uint8_t(0));
                d.PickerMouseUp(Qt::LeftButton, QPoint(400, -50));
                // Between the square and the ring: nothing to drag.
                const QList<int> now = Edits(d);
                d.PickerMouseDown(Qt::LeftButton, QPoint(30, 98));
                d.PickerMouseMove(Qt::LeftButton, QPoint(100, 100));
                QCOMPARE(Edits(d), now);
            },
            false);
    }

    // "高级调色板" on the main window: OK makes the dialog's colour current (and the
    // picked colour), cancel changes nothing; the history is not touched.
    void mainWindowCommand_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("cancel") << false;
    }

    void mainWindowCommand()
    {
        QFETCH(bool, ok);
        QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/HisColors.dat"));
        FakeDesktop desktop(QSize(100, 100));
        TfrmMain w(desktop);
        w.show();
        CurrentColor = Rgb(10, 20, 30);
        w.UpdateViews();
        w.SetPickedColor(Value(1, 1, 1));
        const auto history = w.History();
        QTimer::singleShot(0, [&] {
            TbsSkinColorDialog* d = w.cdlgSelect;
            QVERIFY(d->Window());
            QCOMPARE(d->Window()->windowTitle(), QStringLiteral("高级调色板"));
            QCOMPARE(Edits(*d).mid(0, 3), QList<int>({ 10, 20, 30 }));
            d->FREdit->SetValue(200);
            (ok ? d->FOKButton : d->FCancelButton)->click();
        });
        w.bsSkinButton2->click();
        QCOMPARE(CurrentColor, ok ? Rgb(200, 20, 30) : Rgb(10, 20, 30));
        QCOMPARE(w.edtHC->text(), ok ? QStringLiteral("#C8141E") : QStringLiteral("#0A141E"));
        QCOMPARE(w.edtR->Value(), ok ? 200 : 10);
        QCOMPARE(w.PickedColor(), ok ? Value(200, 20, 30) : Value(1, 1, 1));
        QCOMPARE(w.History(), history);
    }
};

QTEST_MAIN(tst_Palette)
#include "tst_Palette.moc"
