#include "XlsWriter.h"

#include <QBuffer>
#include <QTest>

using namespace Qt::StringLiterals;

class TestXls : public QObject
{
    Q_OBJECT

private slots:
    void recordsAreLittleEndianWords()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        XlsWriter out(buffer);
        out.begin();
        out.text(3, 258, u"가나A"_s);
        out.number(65535, 1, -2.5);
        out.end();
        QVERIFY(out.ok());
        QCOMPARE(buffer.data().toHex(' '),
                 QByteArray("09 08 08 00 00 00 10 00 00 00 00 00 "
                            "04 02 0d 00 03 00 02 01 00 00 05 00 b0 a1 b3 aa 41 "
                            "03 02 0e 00 ff ff 01 00 00 00 00 00 00 00 00 00 04 c0 "
                            "0a 00 00 00"));
    }

    void numberCellRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rightAligned");
        QTest::addColumn<bool>("number");
        QTest::newRow("digits") << u"123"_s << true << true;
        QTest::newRow("negative") << u"-45"_s << true << true;
        QTest::newRow("empty") << QString() << true << true;
        QTest::newRow("decimal") << u"12.5"_s << true << false;
        QTest::newRow("left-aligned digits") << u"01"_s << false << false;
        QTest::newRow("lone minus") << u"-"_s << true << false;
        QTest::newRow("minus inside") << u"1-2"_s << true << false;
        QTest::newRow("grouped") << u"1,000"_s << true << false;
        QTest::newRow("blank") << u" 1"_s << true << false;
    }
    void numberCellRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, rightAligned);
        QFETCH(bool, number);
        QCOMPARE(XlsWriter::IsNumberCell(text, rightAligned), number);
    }
};

QTEST_GUILESS_MAIN(TestXls)
#include "tst_xls.moc"
