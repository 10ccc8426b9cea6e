#include "main/HistoryFile.h"
#include "main/HistoryRing.h"
#include "main/Magnifier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

THistoryState Defaults()
{
    THistoryState state;
    state.Slots.fill({ 255, 255, 255 });
    return state;
}

// A complete file: colour (1,2,3), next 5, last 4, slot i = (i, 2i, 3i).
QByteArray FullFile()
{
    QByteArray bytes;
    bytes.append("\x01\x02\x03", 3);
    bytes.append("\x05\x00\x00\x00", 4);
    bytes.append("\x04\x00\x00\x00", 4);
    for (int i = 0; i < 16; ++i)
        bytes.append(char(i)).append(char(2 * i)).append(char(3 * i));
    return bytes;
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class tst_History : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString path;

private slots:
    void init()
    {
        path = dir.filePath(QStringLiteral("HisColors.dat"));
        QFile::remove(path);
    }

    void missingFileIsCreatedEmpty()
    {
        THistoryState state = Defaults();
        LoadHistoryFile(path, state);
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFile(path).size(), 0);
        QCOMPARE(state.Current, (TRGBColor { 255, 255, 255 }));
        QCOMPARE(state.NextSlot, 0);
        QCOMPARE(state.Slots[15], (TRGBColor { 255, 255, 255 }));
    }

    void loadReadsOnlyWhatTheFileHas_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<TRGBColor>("current");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("last");
        QTest::addColumn<TRGBColor>("slot0");
        QTest::addColumn<TRGBColor>("slot15");
        const TRGBColor white { 255, 255, 255 };
        QTest::newRow("2 bytes: part of the colour") << 2 << TRGBColor { 1, 2, 255 } << 0 << 0 << white << white;
        QTest::newRow("5 bytes: colour and two low bytes of next") << 5 << TRGBColor { 1, 2, 3 } << 5 << 0 << white << white;
        QTest::newRow("11 bytes: no slots") << 11 << TRGBColor { 1, 2, 3 } << 5 << 4 << white << white;
        QTest::newRow("13 bytes: part of slot 0") << 13 << TRGBColor { 1, 2, 3 } << 5 << 4 << TRGBColor { 0, 0, 255 } << white;
        QTest::newRow("59 bytes") << 59 << TRGBColor { 1, 2, 3 } << 5 << 4 << TRGBColor { 0, 0, 0 } << TRGBColor { 15, 30, 45 };
        QTest::newRow("longer file") << 70 << TRGBColor { 1, 2, 3 } << 5 << 4 << TRGBColor { 0, 0, 0 }
                                     << TRGBColor { 15, 30, 45 };
    }

    void loadReadsOnlyWhatTheFileHas()
    {
        QFETCH(int, length);
        QFETCH(TRGBColor, current);
        QFETCH(int, next);
        QFETCH(int, last);
        QFETCH(TRGBColor, slot0);
        QFETCH(TRGBColor, slot15);
        Write(path, (FullFile() + QByteArray(11, '\x7f')).left(length));
        THistoryState state = Defaults();
        LoadHistoryFile(path, state);
        QCOMPARE(state.Current, current);
        QCOMPARE(state.NextSlot, next);
        QCOMPARE(state.LastSlot, last);
        QCOMPARE(state.Slots[0], slot0);
        QCOMPARE(state.Slots[15], slot15);
    }

    void indexesOutsideTheRingBecomeZero_data()
    {
        QTest::addColumn<QByteArray>("next");
        QTest::addColumn<QByteArray>("last");
        QTest::addColumn<int>("loadedNext");
        QTest::addColumn<int>("loadedLast");
        QTest::newRow("both in range") << QByteArray("\x0f\0\0\0", 4) << QByteArray("\x0e\0\0\0", 4) << 15 << 14;
        QTest::newRow("16") << QByteArray("\x10\0\0\0", 4) << QByteArray("\x03\0\0\0", 4) << 0 << 3;
        QTest::newRow("negative") << QByteArray("\x02\0\0\0", 4) << QByteArray("\xff\xff\xff\xff", 4) << 2 << 0;
        QTest::newRow("huge") << QByteArray("\0\0\0\x7f", 4) << QByteArray("\0\0\x01\0", 4) << 0 << 0;
    }

    void indexesOutsideTheRingBecomeZero()
    {
        QFETCH(QByteArray, next);
        QFETCH(QByteArray, last);
        QByteArray bytes = FullFile();
        bytes.replace(3, 4, next);
        bytes.replace(7, 4, last);
        Write(path, bytes);
        THistoryState state = Defaults();
        LoadHistoryFile(path, state);
        QTEST(state.NextSlot, "loadedNext");
        QTEST(state.LastSlot, "loadedLast");
        QCOMPARE(state.Slots[1], (TRGBColor { 1, 2, 3 })); // the slots themselves are kept
    }

    void saveWritesTheLayoutWithoutTruncating()
    {
        Write(path, QByteArray(70, 'x'));
        THistoryState state = Defaults();
        LoadHistoryFile(path, state); // 'x' everywhere: indexes out of range
        state.Current = { 1, 2, 3 };
        state.NextSlot = 5;
        state.LastSlot = 4;
        for (int i = 0; i < 16; ++i)
            state.Slots[std::size_t(i)] = { std::uint8_t(i), std::uint8_t(2 * i), std::uint8_t(3 * i) };
        SaveHistoryFile(path, state);
        QCOMPARE(Read(path), FullFile() + QByteArray(11, 'x'));

        THistoryState again = Defaults();
        LoadHistoryFile(path, again);
        QCOMPARE(again.Current, state.Current);
        QCOMPARE(again.Slots, state.Slots);
    }

    void unusableFileChangesNothing()
    {
        // A folder in the file's place cannot be read or written, also by root.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("HisColors.dat")));
        THistoryState state = Defaults();
        state.Current = { 9, 8, 7 };
        LoadHistoryFile(path, state);
        QCOMPARE(state.Current, (TRGBColor { 9, 8, 7 }));
        SaveHistoryFile(path, state);
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("HisColors.dat")));
    }

    void fileInAFolderThatIsNotThere()
    {
        const QString nowhere = dir.filePath(QStringLiteral("missing/HisColors.dat"));
        THistoryState state = Defaults();
        LoadHistoryFile(nowhere, state);
        SaveHistoryFile(nowhere, state);
        QCOMPARE(state.Current, (TRGBColor { 255, 255, 255 }));
        QVERIFY(!QFile::exists(nowhere));
    }

    void pushSequence()
    {
        std::array<TRGBColor, 16> ring;
        ring.fill({ 255, 255, 255 });
        std::int32_t next = 0, last = 0;
        QVERIFY(!PushSlot(ring, next, last, 0xFFFFFF)); // white equals slot 0
        QVERIFY(PushSlot(ring, next, last, 0x0000FF)); // red
        QCOMPARE(ring[0], (TRGBColor { 255, 0, 0 }));
        QCOMPARE(next, 1);
        QCOMPARE(last, 0);
        QVERIFY(!PushSlot(ring, next, last, 0x0000FF)); // red again
        QVERIFY(PushSlot(ring, next, last, 0x00FF00));
        QVERIFY(PushSlot(ring, next, last, 0x0000FF)); // A, B, A: three slots
        QCOMPARE(next, 3);
        // A failed read (all bits set) never equals a slot and is stored as white.
        QVERIFY(PushSlot(ring, next, last, 0xFFFFFFFFu));
        QVERIFY(PushSlot(ring, next, last, 0xFFFFFFFFu));
        QCOMPARE(ring[4], (TRGBColor { 255, 255, 255 }));
        while (next != 15)
            QVERIFY(PushSlot(ring, next, last, TColor(next)));
        QVERIFY(PushSlot(ring, next, last, 0x123456));
        QCOMPARE(last, 15);
        QCOMPARE(next, 0); // the ring wraps to slot 0
    }

    void magnifierBlocksAndCrosshair()
    {
        QImage source(32, 24, QImage::Format_RGB32);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 32; ++x)
                source.setPixel(x, y, qRgb(x, y, 0));
        QImage zoom(128, 96, QImage::Format_RGB32);
        const QRgb bar = qRgb(1, 2, 3);
        ComposeZoom(zoom, source, QPoint(64, 48), bar);

        QCOMPARE(zoom.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(zoom.pixel(127, 95), qRgb(31, 23, 0));
        QCOMPARE(zoom.pixel(4 * 5 + 3, 4 * 7), qRgb(5, 7, 0)); // a 4x4 block per pixel
        QCOMPARE(zoom.pixel(67, 51), qRgb(16, 12, 0)); // the pointer's block, outside the bars
        // The bars: vertical 64..66 x 40..58, horizontal 56..74 x 48..50, nothing beyond.
        const struct {
            int x, y;
            bool onBar;
        } probes[] = { { 64, 40, true }, { 66, 58, true }, { 67, 40, false }, { 64, 39, false }, { 64, 59, false },
            { 56, 48, true }, { 74, 50, true }, { 55, 48, false }, { 75, 48, false }, { 56, 51, false } };
        for (const auto& p : probes)
            QCOMPARE(zoom.pixel(p.x, p.y) == bar, p.onBar);
    }

    // Random files of every length: the slot indexes always stay inside the ring and a
    // push after the load lands in a slot; the file keeps its length or grows to 59.
    void randomFilesNeverAddressOutsideTheRing()
    {
        QRandomGenerator random(20261210);
        for (int round = 0; round < 2000; ++round) {
            QByteArray bytes(int(random.bounded(0, 120)), Qt::Uninitialized);
            for (char& b : bytes)
                b = char(random.bounded(256));
            Write(path, bytes);
            THistoryState state;
            LoadHistoryFile(path, state);
            QVERIFY2(state.NextSlot >= 0 && state.NextSlot < HistorySlotCount, qPrintable(bytes.toHex()));
            QVERIFY2(state.LastSlot >= 0 && state.LastSlot < HistorySlotCount, qPrintable(bytes.toHex()));
            std::int32_t next = state.NextSlot;
            std::int32_t last = state.LastSlot;
            PushSlot(state.Slots, next, last, TColor(0x030201));
            QVERIFY(next >= 0 && next < HistorySlotCount);
            SaveHistoryFile(path, state);
            QCOMPARE(Read(path).size(), std::max<qsizetype>(bytes.size(), HistoryFileSize));
        }
    }
};

QTEST_APPLESS_MAIN(tst_History)
#include "tst_History.moc"
