#include "XlsxRead.h"
#include "XlsxWriter.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestXlsx : public QObject
{
    Q_OBJECT

private slots:
    void numberRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::addColumn<double>("value");
        QTest::newRow("digits") << u"123"_s << true << 123.0;
        QTest::newRow("negative") << u"-45"_s << true << -45.0;
        QTest::newRow("fraction") << u"12.5"_s << true << 12.5;
        QTest::newRow("leading zeros") << u"007"_s << true << 7.0;
        QTest::newRow("fifteen digits") << u"123456789012345"_s << true << 123456789012345.0;
        QTest::newRow("sixteen digits stay text") << u"1234567890123456"_s << false << 0.0;
        QTest::newRow("zeros do not count") << u"0000000000000001"_s << true << 1.0;
        QTest::newRow("lone minus") << u"-"_s << false << 0.0;
        QTest::newRow("point without fraction") << u"1."_s << false << 0.0;
        QTest::newRow("point without whole") << u".5"_s << false << 0.0;
        QTest::newRow("two points") << u"1.2.3"_s << false << 0.0;
        QTest::newRow("grouped") << u"1,000"_s << false << 0.0;
        QTest::newRow("exponent") << u"1e5"_s << false << 0.0;
        QTest::newRow("blank") << u" 1"_s << false << 0.0;
        QTest::newRow("plus") << u"+1"_s << false << 0.0;
    }
    void numberRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        QFETCH(double, value);
        double read = 0;
        QCOMPARE(XlsxWriter::NumberOf(text.toUtf8(), read), number);
        if (number)
            QCOMPARE(read, value);
    }

    void dateRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("dateKey");
        QTest::addColumn<QDate>("date");
        QTest::newRow("written date") << u"2025-01-31"_s << false << QDate(2025, 1, 31);
        QTest::newRow("written date in a key column") << u"2025-01-31"_s << true << QDate(2025, 1, 31);
        QTest::newRow("key") << u"20250131"_s << true << QDate(2025, 1, 31);
        QTest::newRow("key outside a key column") << u"20250131"_s << false << QDate();
        QTest::newRow("no such day") << u"2025-02-30"_s << false << QDate();
        QTest::newRow("leap day") << u"20240229"_s << true << QDate(2024, 2, 29);
        QTest::newRow("month 13") << u"20251301"_s << true << QDate();
        QTest::newRow("before sheet days are regular") << u"1900-02-28"_s << false << QDate();
        QTest::newRow("first regular day") << u"1900-03-01"_s << false << QDate(1900, 3, 1);
        QTest::newRow("slashes") << u"2025/01/31"_s << false << QDate();
        QTest::newRow("signs in the digits") << u"2025-+1-31"_s << false << QDate();
        QTest::newRow("with a time") << u"2025-01-31 10:00"_s << false << QDate();
    }
    void dateRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, dateKey);
        QFETCH(QDate, date);
        QDate read;
        QCOMPARE(XlsxWriter::DateOf(text.toUtf8(), dateKey, read), date.isValid());
        if (date.isValid())
            QCOMPARE(read, date);
    }

    // What a reader finds: caption and titles, each kind of cell, Korean
    // text whole, the column widths, hidden columns and the frozen titles.
    void cellsReadBackAsWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"cells.xlsx"_s);
        const QByteArray tooLong = QByteArray(40000, 'x');
        {
            XlsxWriter out(path);
            QVERIFY(out.ok());
            out.text(0, 0, u"장비 대여 현황"_s);
            out.title(2, 0, u"이름"_s);
            out.title(2, 1, u"금액"_s);
            out.title(2, 2, u"대여\n일자"_s);
            out.title(2, 3, u"코드"_s);
            out.setColumn(0, 120, false);
            out.setColumn(1, 61, false);
            out.setColumn(3, 40, true);
            out.freezeRows(3);
            using C = XlsxWriter::Column;
            out.record(3, 0, "가나다 ABC", C::Text);
            out.record(3, 1, "-1234.5", C::Number);
            out.record(3, 2, "20250131", C::DateKey);
            out.record(3, 3, "007", C::Text);
            out.record(4, 0, "2025-02-01", C::Text);
            out.record(4, 1, "1234567890123456", C::Number);
            out.record(4, 2, "2025-13-01", C::DateKey);
            out.record(4, 3, "", C::Number);
            out.record(5, 0, tooLong, C::Text);
            out.record(5, 1, "<&>\"'", C::Number);
            QVERIFY(out.ok());
            QVERIFY(out.close());
        }
        QCOMPARE(filesIn(dir.path()), QStringList{u"cells.xlsx"_s});
        const QJsonObject read = XlsxRead(path, {0, 2, 3, 4, 5}, true);
        QCOMPARE(read.value(u"rows"_s).toInt(), 6);
        const struct
        {
            int row, column;
            QString cell;
        } expected[] = {
            {0, 0, u"s:장비 대여 현황"_s},
            {2, 0, u"s:이름"_s},
            {2, 2, u"s:대여\n일자"_s},
            {3, 0, u"s:가나다 ABC"_s},
            {3, 1, u"n:-1234.5"_s},
            {3, 2, u"d:2025-01-31"_s},
            {3, 3, u"s:007"_s},
            {4, 0, u"d:2025-02-01"_s},
            {4, 1, u"s:1234567890123456"_s},
            {4, 2, u"s:2025-13-01"_s},
            {4, 3, QString()},
            {5, 0, u"s:"_s + QString(32767, u'x')},
            {5, 1, u"s:<&>\"'"_s},
        };
        for (const auto &cell : expected)
            QVERIFY2(XlsxCell(read, cell.row, cell.column) == cell.cell,
                     qPrintable(u"%1,%2: %3"_s.arg(cell.row).arg(cell.column).arg(XlsxCell(read, cell.row, cell.column))));
        // Widths in characters of the sheet's default face (7 pixels), margin included.
        const QJsonObject widths = read.value(u"widths"_s).toObject();
        QCOMPARE(qRound(widths.value(u"0"_s).toDouble() * 7), 120);
        QCOMPARE(qRound(widths.value(u"1"_s).toDouble() * 7), 61);
        QCOMPARE(read.value(u"hidden"_s).toArray(), QJsonArray{3});
        QCOMPARE(read.value(u"frozen"_s).toString(), u"A4"_s);
    }

    // Until close() nothing has the target's name: a writer given up leaves
    // no file, not even its temporary ones, and an old file stays.
    void nothingUntilClosed_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::addColumn<bool>("closed");
        QTest::newRow("new name, given up") << false << false;
        QTest::newRow("old file, given up") << true << false;
        QTest::newRow("old file, replaced") << true << true;
    }
    void nothingUntilClosed()
    {
        QFETCH(bool, oldFile);
        QFETCH(bool, closed);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"out.xlsx"_s);
        if (oldFile) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        const auto openFiles = [] { return QDir(u"/proc/self/fd"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(); };
        const qsizetype before = openFiles();
        {
            XlsxWriter out(path);
            for (int row = 0; row < 5000; ++row)
                out.record(row, 0, "값", XlsxWriter::Column::Text);
            QVERIFY(out.ok());
            if (closed)
                QVERIFY(out.close());
            else
                QCOMPARE(filesIn(dir.path()).contains(u"out.xlsx"_s), oldFile);
        }
        QCOMPARE(openFiles(), before); // the temporary files of the rows too
        QCOMPARE(filesIn(dir.path()), oldFile || closed ? QStringList{u"out.xlsx"_s} : QStringList());
        if (oldFile) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll() == "old", !closed);
        }
        if (closed)
            QCOMPARE(XlsxRead(path, {-1}).value(u"rows"_s).toInt(), 5000);
    }

    void unwritableFolderFails()
    {
        XlsxWriter out(u"/nonexistent-kest/out.xlsx"_s);
        QVERIFY(!out.ok());
        out.record(0, 0, "x", XlsxWriter::Column::Text);
        QVERIFY(!out.close());
        QVERIFY(!QFile::exists(u"/nonexistent-kest/out.xlsx"_s));
    }
};

QTEST_GUILESS_MAIN(TestXlsx)
#include "tst_xlsx.moc"
