// The library browser on a large library: opening it to the first painted rows, a
// search, and going to the last row, with the resident memory after each.
//
//   build/bin/bench_library [rows]      (default 100000)
#include "app/dm.h"
#include "library/ViewColor.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

double ResidentMB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

void Fill(const QString& path, int rows)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    db.open();
    db.transaction();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO Colors(Name,RVal,GVal,BVal,Comment) VALUES(?,?,?,?,?)"));
    for (int i = 0; i < rows; ++i) {
        insert.addBindValue(QStringLiteral("colour %1%2").arg(i).arg(QLatin1Char("ABCDEFGHIJ"[i % 10])));
        insert.addBindValue(i % 256);
        insert.addBindValue((i / 256) % 256);
        insert.addBindValue((i * 7) % 256);
        insert.addBindValue(QStringLiteral("row %1").arg(i));
        insert.exec();
    }
    db.commit();
    db.close();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    QFile::copy(QStringLiteral(TINTORA_STORE_TEMPLATE), dir.filePath(QStringLiteral("store.lzd")));
    QFile::setPermissions(dir.filePath(QStringLiteral("store.lzd")), QFile::ReadOwner | QFile::WriteOwner);
    Fill(dir.filePath(QStringLiteral("store.lzd")), rows);
    QDir::setCurrent(dir.path());
    dmMain = new TdmMain;

    std::printf("rows: %d, resident before the browser: %.1f MB\n", rows, ResidentMB());
    std::vector<double> open, search, last;
    double afterOpen = 0, afterSearch = 0, afterLast = 0;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer clock;
        clock.start();
        auto* view = new TfrmViewColor(nullptr);
        view->show();
        view->dbgColors->viewport()->grab(); // the first rows painted
        open.push_back(clock.nsecsElapsed() / 1e6);
        if (run == 0) // later runs start from a heap the earlier ones grew
            afterOpen = ResidentMB();

        view->edtKeyword->setText(QStringLiteral("7J")); // one row in ten ends so, 7J one in a hundred
        clock.restart();
        view->bsSkinButton3Click();
        view->dbgColors->viewport()->grab();
        search.push_back(clock.nsecsElapsed() / 1e6);
        if (run == 0)
            afterSearch = ResidentMB();

        view->bsSkinButton4Click();
        clock.restart();
        view->Navigate(TfrmViewColor::nbLast);
        view->dbgColors->viewport()->grab();
        last.push_back(clock.nsecsElapsed() / 1e6);
        if (run == 0)
            afterLast = ResidentMB();
        delete view;
        QCoreApplication::processEvents();
    }
    std::printf("| step | median of 7, ms | resident after the first run, MB |\n|---|---|---|\n");
    std::printf("| open the browser to the first painted rows | %.1f | %.1f |\n", Median(open), afterOpen);
    std::printf("| search (name ending \"7J\") to painted rows | %.1f | %.1f |\n", Median(search), afterSearch);
    std::printf("| go to the last row (navigator) and paint | %.1f | %.1f |\n", Median(last), afterLast);
    delete dmMain;
    return 0;
}
