#include "CodeCombo.h"
#include "CodeServices.h"
#include "DataModule.h"
#include "GridModel.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

using NameLookup = std::function<QString(const QString &)>;
Q_DECLARE_METATYPE(NameLookup)

class TestServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->loadLookups();
    }
    void cleanupTestCase() { m_db.reset(); }

    void codeLists_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("item1");
        QTest::addColumn<QString>("item2");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QStringList>("labels");

        QTest::newRow("blank code left out, ordered by code")
            << u"T0001"_s << QString() << QString() << QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E "_s}
            << QStringList{u"첫째"_s, u"둘째"_s, u"셋째"_s, u"따옴표"_s, u"뒤공백"_s};
        QTest::newRow("one filter") << u"T0001"_s << u"Y"_s << QString() << QStringList{u"A"_s, u"B"_s}
                                    << QStringList{u"첫째"_s, u"둘째"_s};
        QTest::newRow("two filters") << u"T0001"_s << u"Y"_s << u"1"_s << QStringList{u"B"_s}
                                     << QStringList{u"둘째"_s};
        QTest::newRow("quote in a filter is a value") << u"T0001"_s << u"it's"_s << QString()
                                                      << QStringList{u"D"_s} << QStringList{u"따옴표"_s};
        QTest::newRow("a filter cannot widen the query")
            << u"T0001"_s << u"x' OR '1' = '1"_s << QString() << QStringList() << QStringList();
        QStringList boardSizes;
        for (int size = 120; size <= 165; size += 5)
            boardSizes << QString::number(size);
        QTest::newRow("seeded sizes of snowboards") << u"E0010"_s << QString() << u"Y"_s << boardSizes << boardSizes;
        QTest::newRow("unknown group") << u"T9999"_s << QString() << QString() << QStringList() << QStringList();
    }
    // Both lists append to what they hold; the grid column shows the labels.
    void codeLists()
    {
        QFETCH(QString, group);
        QFETCH(QString, item1);
        QFETCH(QString, item2);
        QFETCH(QStringList, codes);
        QFETCH(QStringList, labels);
        const CodeFilters filters{.item1 = item1, .item2 = item2};

        CodeCombo combo;
        combo.addCode(u"기존"_s, u"0"_s);
        QVERIFY(FillCodeList(combo, group, filters));
        QCOMPARE(combo.codes().codes, QStringList{u"0"_s} + codes);
        QCOMPARE(combo.codes().labels, QStringList{u"기존"_s} + labels);

        GridModel grid;
        grid.setColumns({{.title = u"구분"_s, .field = u"KIND"_s}});
        const int row = grid.insertRecord();
        QVERIFY(FillColumnCodes(grid, 0, group, filters));
        QCOMPARE(grid.pickList(0).codes, codes);
        QCOMPARE(grid.pickList(0).labels, labels);
        if (!codes.isEmpty()) {
            grid.setValue(row, u"KIND"_s, codes.constLast());
            QCOMPARE(grid.data(grid.index(row, 0)).toString(), labels.constLast());
        }
        QVERIFY(!FillColumnCodes(grid, 3, group, filters)); // no such column
    }

    void codeNames_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("item1");
        QTest::addColumn<QString>("name");
        QTest::newRow("code") << u"T0001"_s << u"A"_s << QString() << u"첫째"_s;
        QTest::newRow("stored code compared trimmed") << u"T0001"_s << u"E"_s << QString() << u"뒤공백"_s;
        QTest::newRow("filter met") << u"T0001"_s << u"B"_s << u"Y"_s << u"둘째"_s;
        QTest::newRow("filter not met") << u"T0001"_s << u"C"_s << u"Y"_s << QString();
        QTest::newRow("empty code") << u"T0001"_s << QString() << QString() << QString();
        QTest::newRow("unknown code") << u"T0001"_s << u"Z"_s << QString() << QString();
    }
    void codeNames()
    {
        QFETCH(QString, group);
        QFETCH(QString, code);
        QFETCH(QString, item1);
        QFETCH(QString, name);
        QCOMPARE(CodeName(group, code, {.item1 = item1}), name);
    }

    void names_data()
    {
        QTest::addColumn<NameLookup>("lookup");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        const NameLookup member = MemberName, event = EventName, employee = EmployeeName, postal = PostalAddress;
        QTest::newRow("member") << member << u"M001"_s << u"홍길동"_s;
        QTest::newRow("cancelled member") << member << u"M002"_s << QString();
        QTest::newRow("unknown member") << member << u"M999"_s << QString();
        QTest::newRow("empty member number") << member << QString() << QString();
        QTest::newRow("partner group") << event << u"P001"_s << u"시험단체"_s;
        QTest::newRow("cancelled partner group") << event << u"P002"_s << QString();
        QTest::newRow("member is no partner group") << event << u"M001"_s << QString();
        QTest::newRow("employee") << employee << u"E001"_s << u"김직원"_s;
        QTest::newRow("employee of a staff subgroup") << employee << u"E002"_s << u"이직원"_s;
        QTest::newRow("member is no employee") << employee << u"E003"_s << QString();
        QTest::newRow("postal address, first line of the code")
            << postal << u"123456"_s << u"서울특별시 강남구 역삼동 "_s;
        QTest::newRow("unknown postal code") << postal << u"999999"_s << QString();
    }
    void names()
    {
        QFETCH(NameLookup, lookup);
        QFETCH(QString, key);
        QFETCH(QString, name);
        QCOMPARE(lookup(key), name);
    }

    void staffInfo_data()
    {
        QTest::addColumn<QString>("empNo");
        QTest::addColumn<QStringList>("staff"); // name, team code, team, grade code, grade
        QTest::newRow("employee instructor")
            << u"I001"_s << QStringList{u"강사일"_s, u"01"_s, u"1조"_s, u"02"_s, u"정강사"_s};
        QTest::newRow("employee out of service") << u"I002"_s << QStringList(5);
        QTest::newRow("employee of another work") << u"I003"_s << QStringList(5);
        QTest::newRow("day worker without end")
            << u"L001"_s << QStringList{u"알바강사"_s, u"02"_s, u"2조"_s, u"03"_s, u"보조강사"_s};
        QTest::newRow("day worker ending later")
            << u"L003"_s << QStringList{u"계약강사"_s, u"02"_s, u"2조"_s, u"03"_s, u"보조강사"_s};
        QTest::newRow("day worker ending today") << u"L004"_s << QStringList(5);
        QTest::newRow("day worker who ended") << u"L002"_s << QStringList(5);
        QTest::newRow("unknown") << u"X001"_s << QStringList(5);
    }
    void staffInfo()
    {
        QFETCH(QString, empNo);
        QFETCH(QStringList, staff);
        const StaffRecord found = StaffInfo(empNo);
        QCOMPARE(found.empNo, empNo);
        QCOMPARE((QStringList{found.name, found.workGroupCode, found.workGroupName, found.gradeCode, found.gradeName}),
                 staff);
    }

    void receiptsAndEntrants()
    {
        const Receipt receipt = ReceiptInfo(u"04"_s, u"0000000001"_s);
        QCOMPARE(receipt.enterDate, u"20040115"_s);
        QCOMPARE(receipt.name, u"김접수"_s);
        QCOMPARE(ReceiptInfo(u"05"_s, u"0000000002"_s).name, QString());

        for (const QString &typed : {u"7"_s, u"000007"_s}) {
            const Entrant entrant = EntrantInfo(u"04"_s, typed);
            QCOMPARE(entrant.receiptNo, u"000007"_s);
            QCOMPARE(entrant.name, u"박참가"_s);
            QCOMPARE(entrant.applyDate, u"20040115"_s);
            QCOMPARE(entrant.idNo, u"8001011234567"_s); // read through the decrypting function
            QCOMPARE(entrant.className, u"1급"_s);
        }
        QCOMPARE(EntrantInfo(u"06"_s, u"7"_s).receiptNo, QString());
        // Typed junk finds nobody instead of failing on the number column.
        QCOMPARE(EntrantInfo(u"04"_s, u"7a"_s).name, QString());
        QCOMPARE(EntrantInfo(u"04"_s, QString()).name, QString());
    }

    void dateChecks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("leap day with blanks") << u"2004 02 29"_s << true;
        QTest::newRow("no leap day in 2003") << u"20030229"_s << false;
        QTest::newRow("seven digits") << u"2004023"_s << false;
        QTest::newRow("month 13") << u"20041301"_s << false;
        QTest::newRow("day 0") << u"20040100"_s << false;
        QTest::newRow("year 0") << u"00000101"_s << false;
        QTest::newRow("1900 is no leap year") << u"19000229"_s << false;
        QTest::newRow("2000 is a leap year") << u"20000229"_s << true;
        QTest::newRow("signs are no digits") << u"2004+1+1"_s << false;
        QTest::newRow("display form") << u"2004-1-1"_s << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("last day") << u"99991231"_s << true;
    }
    void dateChecks()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidYmd(text), valid);
    }

    void padZeros()
    {
        QCOMPARE(PadZeros(u"123"_s, 6), u"000123"_s);
        QCOMPARE(PadZeros(u"123"_s, 2), u"123"_s);
        QCOMPARE(PadZeros(QString(), 3), u"000"_s);
    }

    void operationRecords()
    {
        QVERIFY(!NoOperationRecords(u"20040110"_s));
        QVERIFY(NoOperationRecords(u"20040111"_s));
    }

    void reservations()
    {
        const LessonSlot slot{.date = u"20040120"_s, .item = u"01"_s, .reception = u"04"_s, .detail = u"01"_s};
        LessonSlot other = slot;
        other.detail = u"02"_s;
        QCOMPARE(ReservationCapacity(slot), 10);
        QCOMPARE(ReservedCount(slot), 7);
        QCOMPARE(ReservationCapacity(other), 0);
        QCOMPARE(ReservedCount(other), 0);
        QVERIFY(!NotReserved(slot, u"E001"_s)); // stored with a trailing blank
        QVERIFY(!NotReserved(slot, u"E004"_s));
        QVERIFY(NotReserved(slot, u"E009"_s));
        QVERIFY(NotReserved(other, u"E001"_s));
    }

    void likePatterns_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("matches");
        QTest::newRow("plain text anywhere") << u"할인"_s << u"%할인%"_s << QStringList{u"50%할인"_s, u"5000할인"_s};
        QTest::newRow("percent sign is itself") << u"0%"_s << u"%0!%%"_s << QStringList{u"50%할인"_s};
        QTest::newRow("underscore is itself") << u"길_"_s << u"%길!_%"_s << QStringList();
        QTest::newRow("escape character is itself") << u"!"_s << u"%!!%"_s << QStringList();
        QTest::newRow("empty finds all") << QString() << u"%%"_s
                                         << QStringList{u"50%할인"_s, u"5000할인"_s, u"홍길동"_s};
    }
    void likePatterns()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pattern);
        QFETCH(QStringList, matches);
        QCOMPARE(LikeAnywhere(typed), pattern);
        SqlQuery query(u"SELECT member_name FROM bb010ms WHERE member_no IN ('M001', 'M003', 'M004')"
                       " AND member_name LIKE :NAME ESCAPE '!' ORDER BY member_name"_s);
        query.bind(u"NAME"_s, LikeAnywhere(typed));
        query.exec();
        QStringList found;
        while (query.next())
            found << query.value(0);
        QCOMPARE(found, matches);
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
