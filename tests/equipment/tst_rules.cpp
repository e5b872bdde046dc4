#include "DataModule.h"
#include "EquipmentRules.h"
#include "TestDatabase.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The counters' rules against the lookup fixture's register, rentals,
// holds and code groups.
class TestEquipmentRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->loadLookups();
    }
    void cleanupTestCase() { m_db.reset(); }

    void releaseDates_data()
    {
        QTest::addColumn<QString>("deposit");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("release");
        QTest::newRow("three days") << u"20040130"_s << u"T3"_s << u"20040202"_s;
        QTest::newRow("into the next year") << u"20041230"_s << u"T3"_s << u"20050102"_s;
        QTest::newRow("seeded kind") << u"20040130"_s << u"02"_s << u"20040202"_s;
        QTest::newRow("date with blanks") << u"2004 01 30"_s << u"T3"_s << u"20040202"_s;
        QTest::newRow("no such date") << u"20040230"_s << u"T3"_s << QString();
        QTest::newRow("seven digits") << u"2004013"_s << u"T3"_s << QString();
        QTest::newRow("display form") << u"2004-01-30"_s << u"T3"_s << QString();
        QTest::newRow("unknown kind") << u"20040130"_s << u"ZZ"_s << QString();
        QTest::newRow("kind without days") << u"20040130"_s << u"TN"_s << QString();
        QTest::newRow("kind with words for days") << u"20040130"_s << u"TX"_s << QString();
    }
    void releaseDates()
    {
        QFETCH(QString, deposit);
        QFETCH(QString, kind);
        QFETCH(QString, release);
        QCOMPARE(ReleaseDate(deposit, kind), release);
    }


    void sizeGroups_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("inGroup");
        QTest::newRow("main building ski") << u"M"_s << u"NS"_s << u"140"_s << true;
        QTest::newRow("main building long carving ski") << u"M"_s << u"CS"_s << u"190"_s << true;
        QTest::newRow("annex ski") << u"S"_s << u"CS"_s << u"180"_s << true;
        QTest::newRow("annex keeps no long skis") << u"S"_s << u"CS"_s << u"185"_s << false;
        QTest::newRow("snowboard in any area") << u"S"_s << u"SB"_s << u"150"_s << true;
        QTest::newRow("snowboard too long") << u"M"_s << u"SB"_s << u"185"_s << false;
        QTest::newRow("unknown size code") << u"M"_s << u"NS"_s << u"999"_s << false;
        QTest::newRow("boots keep to no size group") << u"M"_s << u"BT"_s << u"150"_s << true;
        QTest::newRow("helmets keep to no size group") << u"S"_s << u"HM"_s << u"999"_s << true;
        QTest::newRow("ski in an unknown area") << u"X"_s << u"CS"_s << u"150"_s << false;
    }
    void sizeGroups()
    {
        QFETCH(QString, area);
        QFETCH(QString, kind);
        QFETCH(QString, size);
        QFETCH(bool, inGroup);
        QCOMPARE(SizeInGroup(area, kind, size), inGroup);
    }

    // A kind or area outside the size-group table never reaches the server.
    void sizeGroupOutsideTheTableAsksNothing()
    {
        m_db->dataModule().Disconnect();
        QVERIFY(!SizeInGroup(u"X"_s, u"CS"_s, u"150"_s));
        QVERIFY(SizeInGroup(u"M"_s, u"BT"_s, u"150"_s));
        QVERIFY(!m_db->dataModule().isConnected());
    }

    void equipmentTaken_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("equipNo");
        QTest::addColumn<bool>("taken");
        QTest::newRow("free") << u"20040110"_s << u"00001"_s << false;
        QTest::newRow("not for rent") << u"20040110"_s << u"00002"_s << true;
        QTest::newRow("out on a multi-day rental") << u"20040110"_s << u"00003"_s << true;
        QTest::newRow("on a day rental") << u"20040110"_s << u"00004"_s << true;
        QTest::newRow("held by a counter") << u"20040110"_s << u"00005"_s << true;
        QTest::newRow("returned") << u"20040110"_s << u"00006"_s << false;
        QTest::newRow("rented on another day") << u"20040111"_s << u"00004"_s << false;
        QTest::newRow("not in the register") << u"20040110"_s << u"09999"_s << true;
        QTest::newRow("no item at all") << u"20040110"_s << QString() << true;
    }
    void equipmentTaken()
    {
        QFETCH(QString, date);
        QFETCH(QString, equipNo);
        QFETCH(bool, taken);
        QCOMPARE(EquipmentTaken(date, u"M"_s, u"CS"_s, equipNo), taken);
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestEquipmentRules)
#include "tst_rules.moc"
