#include "StoreFolder.h"
#include "app/MessageBox.h"
#include "app/TintoraApplication.h"
#include "app/dm.h"
#include "library/SaveInfo.h"
#include "library/ViewColor.h"
#include "main/mainRGB.h"
#include "platform/FakeDesktop.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

// The colour library as the user meets it: "保存颜色", "加载颜色" and the browser,
// on the real main window over a real store in a fresh folder.
class tst_Library : public QObject {
    Q_OBJECT

    FakeDesktop desktop { QSize(400, 300), qRgb(10, 20, 30) };
    std::unique_ptr<StoreFolder> folder;
    TfrmMain* w = nullptr;
    QStringList errors;
    QStringList messages;
    int messageAnswer = 1;

    static TRGBColor Rgb(int r, int g, int b) { return { std::uint8_t(r), std::uint8_t(g), std::uint8_t(b) }; }

    void Start(bool withStore = true, const QStringList& rows = {})
    {
        folder = std::make_unique<StoreFolder>(withStore);
        if (withStore)
            folder->Add(rows);
        dmMain = new TdmMain;
        w = new TfrmMain(desktop);
        w->move(100, 80);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void SetColour(TRGBColor c)
    {
        CurrentColor = c;
        w->UpdateViews();
    }

    // Clicks a main-window button and runs `act` on the modal window it opens; returns
    // whether one opened. A window left open is closed so the test cannot hang.
    template <typename Window> bool WithModal(QPushButton* button, const std::function<void(Window*)>& act)
    {
        bool opened = false;
        bool leftOpen = false;
        // A timer of this call only: when no window opens it must not fire in a later one.
        QTimer inspect;
        inspect.setSingleShot(true);
        connect(&inspect, &QTimer::timeout, this, [&] {
            Window* window = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* candidate = qobject_cast<Window*>(top); candidate && candidate->isVisible())
                    window = candidate;
            }
            if (!window)
                return;
            opened = true;
            // Closed whatever the checks inside do, so the test cannot hang on it.
            const std::unique_ptr<void, std::function<void(void*)>> closer(window, [&](void*) {
                if (window->isVisible()) {
                    leftOpen = true;
                    window->close();
                }
            });
            act(window);
        });
        inspect.start(0);
        QTest::mouseClick(button, Qt::LeftButton);
        if (leftOpen)
            qWarning("the window was left open");
        return opened && !leftOpen;
    }

    bool Save(const std::function<void(TfrmSaveInfo*)>& act) { return WithModal<TfrmSaveInfo>(w->bsSkinButton3, act); }
    bool Browse(const std::function<void(TfrmViewColor*)>& act) { return WithModal<TfrmViewColor>(w->bsSkinButton4, act); }

    static QStringList Names(const TfrmViewColor* view)
    {
        QStringList names;
        for (int row = 0; row < view->adoqLib->rowCount(); ++row)
            names << view->adoqLib->index(row, view->adoqLib->FieldColumn(TColorsModel::Name)).data().toString();
        return names;
    }

    static QModelIndex Cell(const TfrmViewColor* view, int row, TColorsModel::Column column)
    {
        return view->adoqLib->index(row, view->adoqLib->FieldColumn(column));
    }

private slots:
    void initTestCase()
    {
        TintoraApplication::SetErrorSink([this](const QString& text) { errors << text; });
        SetMessageBoxSink([this](const QString& text, TMsgDlgType, unsigned) {
            messages << text;
            return messageAnswer;
        });
    }

    void init()
    {
        errors.clear();
        messages.clear();
        messageAnswer = 1;
    }

    void cleanup()
    {
        delete w;
        w = nullptr;
        delete dmMain;
        dmMain = nullptr;
        folder.reset();
    }

    void saveNewColour()
    {
        Start();
        SetColour(Rgb(0, 128, 255));
        QVERIFY(Save([](TfrmSaveInfo* dialog) {
            QCOMPARE(dialog->pos(), QPoint(130, 110));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("保存颜色"));
            QCOMPARE(dialog->Client()->size(), QSize(278, 178));
            QCOMPARE(dialog->edtName->text(), QStringLiteral(" 080FF"));
            QCOMPARE(dialog->focusWidget(), dialog->edtName);
            QCOMPARE(dialog->edtName->selectedText(), QStringLiteral(" 080FF"));
            QCOMPARE(dialog->lblColor->palette().color(QPalette::Window), QColor(0, 128, 255));
            QCOMPARE(dialog->lblColor->palette().color(QPalette::WindowText), QColor(255, 127, 0));
            QTest::keyClicks(dialog->edtName, QStringLiteral("Tom's sky"));
            dialog->memComment->setPlainText(QStringLiteral("it's\nblue"));
            QTest::keyClick(dialog->edtName, Qt::Key_Return); // the default button
        }));
        QCOMPARE(folder->Rows(), QStringList({ "Tom's sky|0|128|255|it's\r\nblue" }));
        QVERIFY(w->findChildren<TfrmSaveInfo*>().isEmpty());
        QVERIFY(errors.isEmpty());
        QCOMPARE(CurrentColor, Rgb(0, 128, 255)); // the views are not touched
    }

    void savedColourIsNotOfferedAgain()
    {
        Start(true, { "white|255|255|255|" });
        QVERIFY(!Save([](TfrmSaveInfo*) {}));
        QCOMPARE(messages, QStringList({ "这个颜色已经保存了" }));
        QCOMPARE(folder->Rows().size(), 1);
    }

    void leavingTheDialogStoresNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("取消") << "button";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("frame close") << "frame";
    }

    void leavingTheDialogStoresNothing()
    {
        QFETCH(QString, how);
        Start();
        QVERIFY(Save([&](TfrmSaveInfo* dialog) {
            QTest::keyClicks(dialog->edtName, QStringLiteral("never"));
            dialog->memComment->setPlainText(QStringLiteral("typed"));
            if (how == QLatin1String("button"))
                dialog->btnCancel->click();
            else if (how == QLatin1String("escape"))
                QTest::keyClick(dialog->edtName, Qt::Key_Escape);
            else
                dialog->CloseButton()->click();
        }));
        QVERIFY(folder->Rows().isEmpty());
        // The next save starts afresh.
        QVERIFY(Save([](TfrmSaveInfo* dialog) {
            QCOMPARE(dialog->edtName->text(), QStringLiteral("FFFFFF"));
            QVERIFY(dialog->memComment->toPlainText().isEmpty());
            dialog->edtName->clear(); // an empty name is stored as such
            dialog->btnOK->click();
        }));
        QCOMPARE(folder->Rows(), QStringList({ "|255|255|255|" }));
    }

    void commentStopsAtFiftyCharacters()
    {
        Start();
        QVERIFY(Save([](TfrmSaveInfo* dialog) {
            dialog->memComment->setFocus();
            QTest::keyClicks(dialog->memComment, QString(47, QLatin1Char('c')));
            QTest::keyClick(dialog->memComment, Qt::Key_Return); // a line break counts twice
            QTest::keyClicks(dialog->memComment, QStringLiteral("xyz"));
            QCOMPARE(dialog->Comment(), QString(47, QLatin1Char('c')) + QStringLiteral("\r\nx"));
            QTest::keyClicks(dialog->edtName, QString(25, QLatin1Char('n')));
            QCOMPARE(dialog->edtName->text().size(), 20);
            dialog->btnOK->click();
        }));
        QCOMPARE(folder->Rows().size(), 1);
    }

    void refusedInsertLeavesNothing()
    {
        Start();
        QSqlQuery(ConnectedStore())
            .exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Colors BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        QVERIFY(Save([](TfrmSaveInfo* dialog) { QTest::mouseClick(dialog->btnOK, Qt::LeftButton); }));
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].startsWith(QLatin1String("refused")));
        QVERIFY(w->findChildren<TfrmSaveInfo*>().isEmpty());
        QVERIFY(folder->Rows().isEmpty());
    }

    // No store at start: one error box, the program runs; save and browse report again
    // and open nothing; a store placed meanwhile is used at the next save.
    void missingStore()
    {
        Start(false);
        QCOMPARE(errors.size(), 1);
        QVERIFY(!Save([](TfrmSaveInfo*) {}));
        QVERIFY(!Browse([](TfrmViewColor*) {}));
        QCOMPARE(errors.size(), 3);
        QCOMPARE(errors[1], errors[0]);

        folder->PlaceStore();
        QVERIFY(Save([](TfrmSaveInfo* dialog) { dialog->btnOK->click(); }));
        QCOMPARE(folder->Rows(), QStringList({ "FFFFFF|255|255|255|" }));
    }

    void browserOpens()
    {
        Start(true, { "red|255|0|0|", "sky|0|128|255|" });
        QVERIFY(Browse([](TfrmViewColor* view) {
            QCOMPARE(view->pos(), QPoint(130, 110));
            QCOMPARE(view->windowTitle(), QStringLiteral("颜色库"));
            QCOMPARE(view->Client()->size(), QSize(554, 360));
            QStringList titles;
            const QHeaderView* header = view->dbgColors->horizontalHeader();
            for (int visual = 0; visual < header->count(); ++visual) {
                const int column = header->logicalIndex(visual);
                if (!header->isSectionHidden(column))
                    titles << view->adoqLib->headerData(column, Qt::Horizontal).toString();
            }
            QCOMPARE(titles, QStringList({ "编号", "名称", "红", "绿", "蓝", "注释" }));
            const int digit = view->dbgColors->fontMetrics().horizontalAdvance(QLatin1Char('0'));
            QCOMPARE(header->sectionSize(view->adoqLib->FieldColumn(TColorsModel::Comment)), digit * 50 + 4);
            QCOMPARE(Names(view), QStringList({ "red", "sky" }));
            QCOMPARE(view->dbgColors->currentIndex(), Cell(view, 0, TColorsModel::ID));
            QCOMPARE(view->focusWidget(), view->bsSkinButton1);
            QTest::keyClick(view->bsSkinButton1, Qt::Key_Return); // loads the first row
        }));
        QCOMPARE(CurrentColor, Rgb(255, 0, 0));
        QCOMPARE(w->edtHC->text(), QStringLiteral("#FF0000"));
        QVERIFY(w->findChildren<TfrmViewColor*>().isEmpty());
    }

    // A red row is red with cyan text; its current cell the other way round.
    void cellColours()
    {
        Start(true, { "red|255|0|0|", "sky|0|128|255|" });
        QVERIFY(Browse([](TfrmViewColor* view) {
            view->dbgColors->setCurrentIndex(Cell(view, 0, TColorsModel::Name));
            const QImage shot = view->dbgColors->viewport()->grab().toImage();
            const auto pixel = [&](int row, TColorsModel::Column column) {
                const QRect cell = view->dbgColors->visualRect(Cell(view, row, column));
                return QColor(shot.pixel(cell.left() + 1, cell.top() + 2));
            };
            QCOMPARE(pixel(0, TColorsModel::ID), QColor(255, 0, 0));
            QCOMPARE(pixel(0, TColorsModel::Name), QColor(0, 255, 255));
            QCOMPARE(pixel(1, TColorsModel::Name), QColor(0, 128, 255));
            view->bsSkinButton2->click();
        }));
    }

    void search_data()
    {
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("loaded"); // what "确定" then loads: the first row listed
        QTest::newRow("A") << "A" << QStringList({ "AA", "BA" }) << 1;
        QTest::newRow("empty keeps the rows") << "" << QStringList({ "AA", "AB", "BA", "Tom's red" }) << 1;
        QTest::newRow("quote") << "m's red" << QStringList({ "Tom's red" }) << 4;
        QTest::newRow("nothing") << "zz" << QStringList() << 0;
    }

    void search()
    {
        QFETCH(QString, keyword);
        QFETCH(QStringList, names);
        QFETCH(int, loaded);
        Start(true, { "AA|1|1|1|", "AB|2|2|2|", "BA|3|3|3|", "Tom's red|4|4|4|" });
        QVERIFY(Browse([&](TfrmViewColor* view) {
            view->edtKeyword->setText(keyword);
            view->bsSkinButton3->click();
            QCOMPARE(Names(view), names);
            view->bsSkinButton4->click(); // 全部
            QCOMPARE(Names(view).size(), 4);
            view->bsSkinButton3->click();
            // Enter in the search box loads, it does not search.
            QTest::keyClick(view->edtKeyword, Qt::Key_Return);
        }));
        QVERIFY(errors.isEmpty());
        QCOMPARE(CurrentColor, Rgb(loaded, loaded, loaded));
    }

    void loadKeepsTheLowByte_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("blue");
        QTest::newRow("300") << "big|0|0|300|" << 44;
        QTest::newRow("-1") << "negative|0|0|-1|" << 255;
    }

    void loadKeepsTheLowByte()
    {
        QFETCH(QString, row);
        QFETCH(int, blue);
        Start(true, { row });
        QVERIFY(Browse([](TfrmViewColor* view) { view->bsSkinButton1->click(); }));
        QCOMPARE(CurrentColor, Rgb(0, 0, blue));
        QCOMPARE(w->lblColor->palette().color(QPalette::Window), QColor(0, 0, blue));
    }

    void emptyListLoadsBlack()
    {
        Start();
        QVERIFY(Browse([](TfrmViewColor* view) {
            QCOMPARE(view->adoqLib->rowCount(), 0);
            for (auto button : { TfrmViewColor::nbFirst, TfrmViewColor::nbNext, TfrmViewColor::nbDelete })
                QVERIFY(!view->NavigatorButton(button)->isEnabled());
            QVERIFY(view->NavigatorButton(TfrmViewColor::nbInsert)->isEnabled());
            view->bsSkinButton1->click();
        }));
        QCOMPARE(CurrentColor, Rgb(0, 0, 0));
        QCOMPARE(w->edtHC->text(), QStringLiteral("#000000"));
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("取消") << "button";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("frame close") << "frame";
    }

    void cancelChangesNothing()
    {
        QFETCH(QString, how);
        Start(true, { "red|255|0|0|" });
        SetColour(Rgb(1, 2, 3));
        QVERIFY(Browse([&](TfrmViewColor* view) {
            if (how == QLatin1String("button"))
                view->bsSkinButton2->click();
            else if (how == QLatin1String("escape"))
                QTest::keyClick(view->dbgColors, Qt::Key_Escape);
            else
                view->CloseButton()->click();
        }));
        QCOMPARE(CurrentColor, Rgb(1, 2, 3));
        QCOMPARE(w->edtHC->text(), QStringLiteral("#010203"));
    }

    // An edit is written when the row is left; the unwritten edit of the current row is
    // what "确定" loads.
    void editInTheGrid()
    {
        Start(true, { "one|10|10|10|", "two|20|20|20|" });
        QVERIFY(Browse([&](TfrmViewColor* view) {
            TColorsModel* model = view->adoqLib;
            QVERIFY(!(model->flags(Cell(view, 0, TColorsModel::ID)) & Qt::ItemIsEditable));
            model->setData(Cell(view, 0, TColorsModel::GVal), 99);
            QVERIFY(view->Editing());
            view->dbgColors->setCurrentIndex(Cell(view, 1, TColorsModel::GVal)); // leaves the row: written
            QVERIFY(!view->Editing());
            model->setData(Cell(view, 1, TColorsModel::BVal), 300);
            view->bsSkinButton1->click(); // not written, but loaded
        }));
        QCOMPARE(folder->Rows(), QStringList({ "one|10|99|10|", "two|20|20|20|" }));
        QCOMPARE(CurrentColor, Rgb(20, 20, 44));
    }

    void refusedRowStaysInEditing()
    {
        Start(true, { "one|10|10|10|", "two|20|20|20|" });
        QVERIFY(Browse([&](TfrmViewColor* view) {
            view->adoqLib->setData(Cell(view, 0, TColorsModel::RVal), 300); // the field takes it, the store not
            view->dbgColors->setCurrentIndex(Cell(view, 1, TColorsModel::RVal));
            QTRY_COMPARE(errors.size(), 1);
            QTRY_COMPARE(view->dbgColors->currentIndex().row(), 0);
            QVERIFY(view->Editing());
            QCOMPARE(Cell(view, 0, TColorsModel::RVal).data().toInt(), 300);
            // Esc with nothing typed drops the row's changes.
            QTest::keyClick(view->dbgColors, Qt::Key_Escape);
            QVERIFY(!view->Editing());
            QVERIFY(view->isVisible());
            view->bsSkinButton2->click();
        }));
        QCOMPARE(folder->Rows(), QStringList({ "one|10|10|10|", "two|20|20|20|" }));
        QVERIFY(errors[0].contains(QLatin1String("CHECK constraint failed")));
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ctrlDelete");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("取消 keeps, navigator") << 2 << false << QStringList({ "one|1|1|1|", "two|2|2|2|" });
        QTest::newRow("确定 deletes, navigator") << 1 << false << QStringList({ "two|2|2|2|" });
        QTest::newRow("确定 deletes, Ctrl+Delete") << 1 << true << QStringList({ "two|2|2|2|" });
    }

    void deleteAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, ctrlDelete);
        QFETCH(QStringList, left);
        messageAnswer = answer;
        Start(true, { "one|1|1|1|", "two|2|2|2|" });
        QVERIFY(Browse([&](TfrmViewColor* view) {
            if (ctrlDelete)
                QTest::keyClick(view->dbgColors, Qt::Key_Delete, Qt::ControlModifier);
            else
                view->NavigatorButton(TfrmViewColor::nbDelete)->click();
            QCOMPARE(view->adoqLib->rowCount(), left.size());
            view->bsSkinButton2->click();
        }));
        QCOMPARE(messages, QStringList({ "要删除这条记录吗?" }));
        QCOMPARE(folder->Rows(), left);
    }

    void insertedRow()
    {
        Start(true, { "one|1|1|1|" });
        QVERIFY(Browse([&](TfrmViewColor* view) {
            QApplication::setActiveWindow(view); // the offscreen platform leaves the owner active
            view->dbgColors->setFocus();
            QTest::keyClick(view->dbgColors, Qt::Key_Insert);
            QCOMPARE(view->adoqLib->rowCount(), 2);
            QCOMPARE(view->dbgColors->currentIndex().row(), 0); // before the current row
            view->bsSkinButton1->setFocus(); // left untouched: dropped
            QCOMPARE(view->adoqLib->rowCount(), 1);

            view->NavigatorButton(TfrmViewColor::nbInsert)->click();
            TColorsModel* model = view->adoqLib;
            model->setData(Cell(view, 0, TColorsModel::Name), QStringLiteral("new"));
            model->setData(Cell(view, 0, TColorsModel::RVal), 7);
            view->NavigatorButton(TfrmViewColor::nbPost)->click();
            QVERIFY(!view->Editing());
            // Shown as stored, with its number, and still current.
            QTRY_COMPARE(Cell(view, 1, TColorsModel::ID).data().toInt(), 2);
            QCOMPARE(view->dbgColors->currentIndex().row(), 1);
            QTest::qWait(20);
            QCOMPARE(errors, QStringList());
            view->bsSkinButton2->click();
        }));
        QCOMPARE(folder->Rows(), QStringList({ "one|1|1|1|", "new|7|NULL|NULL|NULL" }));
    }

    void navigatorFollowsTheRow()
    {
        Start(true, { "a|1|1|1|", "b|2|2|2|", "c|3|3|3|" });
        QVERIFY(Browse([&](TfrmViewColor* view) {
            const auto enabled = [&] {
                QString states;
                for (int i = TfrmViewColor::nbFirst; i <= TfrmViewColor::nbRefresh; ++i)
                    states += view->NavigatorButton(TfrmViewColor::TNavigateBtn(i))->isEnabled() ? QLatin1Char('1')
                                                                                                 : QLatin1Char('0');
                return states;
            };
            QCOMPARE(view->NavigatorButton(TfrmViewColor::nbFirst)->toolTip(), QStringLiteral("FirstRecord"));
            QCOMPARE(enabled(), QStringLiteral("0011111001"));
            view->NavigatorButton(TfrmViewColor::nbLast)->click();
            QCOMPARE(view->dbgColors->currentIndex().row(), 2);
            QCOMPARE(enabled(), QStringLiteral("1100111001"));
            view->NavigatorButton(TfrmViewColor::nbPrior)->click();
            QCOMPARE(enabled(), QStringLiteral("1111111001"));
            view->adoqLib->setData(Cell(view, 1, TColorsModel::Name), QStringLiteral("bb"));
            QTRY_COMPARE(enabled(), QStringLiteral("1111110111"));
            view->NavigatorButton(TfrmViewColor::nbCancel)->click();
            QCOMPARE(Cell(view, 1, TColorsModel::Name).data().toString(), QStringLiteral("b"));

            // The table gone from under the list: it closes, everything is disabled,
            // and "确定" loads black; "全部" opens it again once the table is back.
            QSqlQuery(ConnectedStore()).exec(QStringLiteral("ALTER TABLE Colors RENAME TO Gone"));
            QTest::mouseClick(view->bsSkinButton4, Qt::LeftButton);
            QCOMPARE(errors.size(), 1);
            QVERIFY(errors[0].contains(QLatin1String("colors")));
            QVERIFY(!view->ListOpen());
            QCOMPARE(view->adoqLib->rowCount(), 0);
            QCOMPARE(enabled(), QStringLiteral("0000000000"));
            QSqlQuery(ConnectedStore()).exec(QStringLiteral("ALTER TABLE Gone RENAME TO Colors"));
            QTest::mouseClick(view->bsSkinButton4, Qt::LeftButton);
            QVERIFY(view->ListOpen());
            view->bsSkinButton1->click();
        }));
        QCOMPARE(CurrentColor, Rgb(1, 1, 1));
    }
};

int main(int argc, char** argv)
{
    TintoraApplication app(argc, argv);
    tst_Library test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Library.moc"
