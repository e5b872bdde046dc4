#include "CodeCombo.h"
#include "EBI020.h"
#include "EBI030.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "CounterConnection.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>


using namespace Qt::StringLiterals;

namespace {

const QString Changed = u"다른 작업대에서 먼저 변경한 자료입니다. 다시 조회하십시오."_s;

const QString SizeGroupMissing =
    u"선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r공통코드를 확인 하십시요!"_s;

// A connection of its own as the login role, for what a second counter does.
const QString NewItemCall =
    u"SELECT * FROM pr_ebi020_01(aarea_gubun => 'M', aequip_gubun => 'NS', aequip_size_gubun => '150',"
    " aequip_rent_yn => 'Y', abuy_date => '20240301', au_emp_no => '%1', au_ip => '10.0.0.%1',"
    " aeditstatus => '2')"_s;

} // namespace

class TestRegister : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }

    void init()
    {
        m_db->adminExec(u"TRUNCATE eb020ms, eb040dt, eb040ms, eb020tm, eb030ms;"
                        " DELETE FROM kest_private.counters;"
                        " INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no, equip_size_gubun, equip_rent_yn,"
                        "                      buy_date, remark) VALUES"
                        " ('M', 'NS', '00001', '150', 'Y', '20231101', '첫째'),"
                        " ('M', 'NS', '00002', '160', 'Y', '20231101', NULL),"
                        " ('M', 'NS', '00003', '170', 'N', '20231102', NULL),"
                        " ('S', 'NS', '00001', '150', 'Y', '20231101', NULL)"_s);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_boxes->confirmAnswers = {true};
        m_register.reset();
        m_stock.reset();
        m_boxes.reset();
    }

    void sizeGroupAndRowChecks_data()
    {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("size");   // empty: none chosen
        QTest::addColumn<QString>("rentYn"); // empty: none chosen
        QTest::addColumn<QString>("typedDate");
        QTest::addColumn<QString>("message"); // empty: saved
        QTest::addColumn<QString>("focus");

        QTest::newRow("main building ski inside E0018") << u"M"_s << u"NS"_s << u"185"_s << u"Y"_s << u"20240115"_s
                                                       << QString() << QString();
        QTest::newRow("snowboard inside E0020") << u"M"_s << u"SB"_s << u"150"_s << u"N"_s << u"20240115"_s
                                               << QString() << QString();
        QTest::newRow("snowboard needs E0020, not E0018")
            << u"M"_s << u"SB"_s << u"110"_s << u"Y"_s << u"20240115"_s << SizeGroupMissing << u"cboEquipSizeGubun"_s;
        QTest::newRow("annex carving ski at the upper bound") << u"S"_s << u"CS"_s << u"180"_s << u"Y"_s
                                                             << u"20240115"_s << QString() << QString();
        QTest::newRow("annex carving ski outside E0019")
            << u"S"_s << u"CS"_s << u"185"_s << u"Y"_s << u"20240115"_s << SizeGroupMissing << u"cboEquipSizeGubun"_s;
        QTest::newRow("boots keep to no size group")
            << u"M"_s << u"BT"_s << u"150"_s << u"Y"_s << u"20240115"_s << QString() << QString();
        QTest::newRow("no size") << u"M"_s << u"NS"_s << QString() << u"Y"_s << u"20240115"_s
                                 << u"*사이즈을(를) 먼저 입력하십시오."_s << u"cboEquipSizeGubun"_s;
        QTest::newRow("no rentable flag") << u"M"_s << u"NS"_s << u"150"_s << QString() << u"20240115"_s
                                          << u"*장비대여\r\n 가능여부을(를) 먼저 입력하십시오."_s << u"cboEquipRentYn"_s;
        QTest::newRow("size checked before the date") << u"S"_s << u"CS"_s << u"190"_s << u"Y"_s << QString()
                                                      << SizeGroupMissing << u"cboEquipSizeGubun"_s;
        QTest::newRow("no purchase date") << u"M"_s << u"NS"_s << u"150"_s << u"Y"_s << QString()
                                          << u"*구입일자을(를) 먼저 입력하십시오."_s << u"wmeBuyDate"_s;
        QTest::newRow("month 13") << u"M"_s << u"NS"_s << u"150"_s << u"Y"_s << u"20241315"_s
                                  << u"*구입일자을(를) 정확히 입력하십시오."_s << u"wmeBuyDate"_s;
        QTest::newRow("30 February") << u"M"_s << u"NS"_s << u"150"_s << u"Y"_s << u"20240230"_s
                                     << u"*구입일자을(를) 정확히 입력하십시오."_s << u"wmeBuyDate"_s;
        QTest::newRow("half a date") << u"M"_s << u"NS"_s << u"150"_s << u"Y"_s << u"2024"_s
                                     << u"*구입일자을(를) 정확히 입력하십시오."_s << u"wmeBuyDate"_s;
    }
    void sizeGroupAndRowChecks()
    {
        QFETCH(QString, area);
        QFETCH(QString, kind);
        QFETCH(QString, size);
        QFETCH(QString, rentYn);
        QFETCH(QString, typedDate);
        QFETCH(QString, message);
        QFETCH(QString, focus);

        m_db->adminExec(u"DELETE FROM eb020ms"_s);
        openRegister();
        searchRegister(area, kind);
        QCOMPARE(registerRows().rowCount(), 1);
        QVERIFY(!m_register->IsStoredRow(0));
        combo(u"cboEquipSizeGubun"_s)->setCode(size);
        combo(u"cboEquipRentYn"_s)->setCode(rentYn);
        typeInto(u"wmeBuyDate"_s, typedDate);
        edit(u"edtRemark"_s)->setText(u"비고"_s);
        save(m_register.get());

        const QString stored = m_db->adminScalar(
            u"SELECT string_agg(concat_ws('/', equip_size_gubun, equip_rent_yn, buy_date), ',') FROM eb020ms"_s);
        if (message.isEmpty()) {
            QCOMPARE(stored, size + u'/' + rentYn + u'/' + typedDate);
            QCOMPARE(m_boxes->texts(), QStringList({u"저장 하시겠습니까?"_s}));
            QCOMPARE(m_register->StatusMessage(), u"자료를 저장했습니다."_s);
        } else {
            QCOMPARE(stored, QString());
            QCOMPARE(m_boxes->texts(), QStringList({message}));
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        }
    }

    void newItemShowsTheNumberTheServerGaveIt()
    {
        openRegister();
        searchRegister(u"M"_s, u"NS"_s);
        QCOMPARE(registerRows().rowCount(), 3);
        QCOMPARE(label(u"wlbEquipNo"_s)->text(), u"00001"_s);
        QTest::keyClick(m_register.get(), Qt::Key_F4);
        QCOMPARE(label(u"wlbEquipNo"_s)->text(), QString());
        combo(u"cboEquipSizeGubun"_s)->setCode(u"155"_s);
        typeInto(u"wmeBuyDate"_s, u"20240301"_s);
        edit(u"edtRemark"_s)->setText(u"새 장비"_s);
        save(m_register.get());

        QCOMPARE(registerRows().rowCount(), 4);
        QCOMPARE(registerRows().value(3, u"EQUIP_NO"_s), u"00004"_s);
        QVERIFY(m_register->IsStoredRow(3));
        QCOMPARE(m_register->Grid()->currentRow(), 3);
        QCOMPARE(label(u"wlbEquipNo"_s)->text(), u"00004"_s);
        // The cell keeps the date key and shows it as a date.
        QCOMPARE(registerRows().value(3, u"BUY_DATE"_s), u"20240301"_s);
        QCOMPARE(registerRows().data(registerRows().index(3, 3)).toString(), u"2024-03-01"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('/', equip_size_gubun, equip_rent_yn, buy_date, remark,"
                                   " svrl_rent_yn, au_emp_no, au_ip) FROM eb020ms"
                                   " WHERE area_gubun = 'M' AND equip_gubun = 'NS' AND equip_no = '00004'"_s),
                 u"155/Y/20240301/새 장비/N/T0001/10.1.2.3"_s);
        // The other building's series is its own.
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM eb020ms WHERE area_gubun = 'S'"_s), u"1"_s);
    }

    void concurrentNewItemsGetDistinctNumbers()
    {
        // The second counter saves while the first one's save is still open:
        // it must wait for the number, not take the same one.
        const OverlappingSaves saves = SaveAtOnce(*m_db, NewItemCall.arg(1), NewItemCall.arg(2));
        QVERIFY2(saves.firstError.isEmpty(), qPrintable(saves.firstError));
        QVERIFY2(saves.secondError.isEmpty(), qPrintable(saves.secondError));
        QVERIFY(saves.secondWaited);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(au_emp_no || '=' || equip_no, ',' ORDER BY au_emp_no)"
                                   " FROM eb020ms WHERE au_emp_no IN ('1', '2')"_s),
                 u"1=00004,2=00005"_s);
    }

    // Two counters change one stock row from the same read: the second,
    // which waited for the first, is refused and the first's change stays.
    void twoCountersChangingOneRowFromTheSameRead()
    {
        m_db->adminExec(u"INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty) VALUES ('M', '250', 4)"_s);
        const QString change = u"SELECT * FROM pr_ebi030_01(aarea_gubun => 'M', aboots_size_gubun => '250',"
                               " astock_qty => '%1', arow_ver => '1', au_emp_no => 'E%1', aeditstatus => '1')"_s;
        const OverlappingSaves saves = SaveAtOnce(*m_db, change.arg(7), change.arg(9));
        QCOMPARE(saves.firstError, QString());
        QVERIFY(saves.secondWaited);
        QVERIFY2(saves.secondError.contains(Changed), qPrintable(saves.secondError));
        QCOMPARE(m_db->adminScalar(u"SELECT stock_qty || '/' || au_emp_no || '/' || row_ver FROM eb030ms"_s),
                 u"7/E7/2"_s);
    }

    // The screen's save from a read another counter has overtaken is
    // refused and rolled back; after a new search it goes through.
    void screenSaveFromAnOlderReadIsRefused()
    {
        m_db->adminExec(u"INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty) VALUES"
                        " ('M', '240', 5), ('M', '260', 8)"_s);
        openStock();
        QTest::keyClick(m_stock.get(), Qt::Key_F3);
        QCOMPARE(m_stock->Rows().rowCount(), 2);
        edit(u"wneStockQty"_s, m_stock.get())->setText(u"12"_s);
        {
            QSqlDatabase db = LoginConnection(u"other_counter"_s, m_db->name());
            QSqlQuery query(db);
            QVERIFY2(query.exec(u"SELECT * FROM pr_ebi030_01(aarea_gubun => 'M', aboots_size_gubun => '240',"
                                " astock_qty => '7', arow_ver => '1', au_emp_no => 'E9', aeditstatus => '1')"_s),
                     qPrintable(query.lastError().text()));
        }
        QSqlDatabase::removeDatabase(u"other_counter"_s);

        m_boxes->clear();
        save(m_stock.get());
        QCOMPARE(m_boxes->lastText(), u"자료를 저장하지 못했습니다.\r\r에러내용:\r"_s + Changed);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(boots_size_gubun || '=' || stock_qty, ','"
                                   " ORDER BY boots_size_gubun) FROM eb030ms"_s),
                 u"240=7,260=8"_s);
        QVERIFY(m_stock->HasPendingChanges());

        // A new read shows the other counter's value; a change of it is kept,
        // and so is a second save of the same row.
        m_stock.reset();
        m_boxes->clear();
        openStock();
        QTest::keyClick(m_stock.get(), Qt::Key_F3);
        QCOMPARE(m_stock->Rows().value(0, u"STOCK_QTY"_s), u"7"_s);
        edit(u"wneStockQty"_s, m_stock.get())->setText(u"11"_s);
        save(m_stock.get());
        edit(u"wneStockQty"_s, m_stock.get())->setText(u"13"_s);
        save(m_stock.get());
        QVERIFY2(!m_boxes->texts().join(u'|').contains(Changed), qPrintable(m_boxes->texts().join(u'|')));
        QCOMPARE(m_db->adminScalar(u"SELECT stock_qty || '/' || row_ver FROM eb030ms WHERE boots_size_gubun = '240'"_s),
                 u"13/4"_s);
    }

    // Rules of the procedures that the screens cannot show: what another
    // counter did meanwhile, and what a client might send.
    void procedureRules_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("error"); // empty: accepted
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("expected");

        const QString mainSkis = u"SELECT string_agg(equip_no, ',' ORDER BY equip_no) FROM eb020ms"
                                 " WHERE area_gubun = 'M' AND equip_gubun = 'NS'"_s;
        QTest::newRow("number sent for a new item is ignored")
            << QString() << NewItemCall.arg(1).replace(u"aeditstatus"_s, u"aequip_no => '00002', aeditstatus"_s)
            << QString() << mainSkis << u"00001,00002,00003,00004"_s;
        QTest::newRow("numbers continue above the highest stored one")
            << u"INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no) VALUES ('M', 'NS', '00009'), ('M', 'NS', 'X0100')"_s
            << NewItemCall.arg(1) << QString() << mainSkis << u"00001,00002,00003,00009,00010,X0100"_s;
        QTest::newRow("the five digits are used up")
            << u"INSERT INTO eb020ms (area_gubun, equip_gubun, equip_no) VALUES ('M', 'NS', '99999')"_s
            << NewItemCall.arg(1) << u"장비번호가 모두 사용되었습니다. (지역 M, 장비 NS)"_s << mainSkis
            << u"00001,00002,00003,99999"_s;
        QTest::newRow("change of an item another counter deleted")
            << u"DELETE FROM eb020ms WHERE area_gubun = 'M' AND equip_gubun = 'NS' AND equip_no = '00002'"_s
            << u"SELECT * FROM pr_ebi020_01(aarea_gubun => 'M', aequip_gubun => 'NS', aequip_no => '00002',"
               " aequip_size_gubun => '150', aequip_rent_yn => 'Y', abuy_date => '20240301', aeditstatus => '1')"_s
            << u"장비번호 00002 은(는) 등록되어 있지 않습니다. 다시 조회하십시오."_s << mainSkis << u"00001,00003"_s;
        QTest::newRow("change leaves the multi-day columns alone")
            << u"UPDATE eb020ms SET svrl_rent_yn = 'Y', svrl_from_date = '20241201' WHERE equip_no = '00002'"_s
            << u"SELECT * FROM pr_ebi020_01(aarea_gubun => 'M', aequip_gubun => 'NS', aequip_no => '00002',"
               " aequip_size_gubun => '165', aequip_rent_yn => 'Y', abuy_date => '20240301', asvrl_rent_yn => 'N',"
               " aeditstatus => '1')"_s
            << QString()
            << u"SELECT concat_ws('/', equip_size_gubun, svrl_rent_yn, svrl_from_date) FROM eb020ms"
               " WHERE area_gubun = 'M' AND equip_gubun = 'NS' AND equip_no = '00002'"_s
            << u"165/Y/20241201"_s;
        QTest::newRow("change from a read older than another counter's change")
            << u"UPDATE eb020ms SET remark = '다른 작업대', row_ver = 2 WHERE equip_no = '00002'"_s
            << u"SELECT * FROM pr_ebi020_01(aarea_gubun => 'M', aequip_gubun => 'NS', aequip_no => '00002',"
               " aequip_size_gubun => '165', aequip_rent_yn => 'Y', aremark => '늦은 저장', arow_ver => '1',"
               " aeditstatus => '1')"_s
            << Changed
            << u"SELECT concat_ws('/', equip_size_gubun, remark, row_ver) FROM eb020ms WHERE equip_no = '00002'"_s
            << u"160/다른 작업대/2"_s;
        QTest::newRow("change from the current read raises the version")
            << QString()
            << u"SELECT * FROM pr_ebi020_01(aarea_gubun => 'M', aequip_gubun => 'NS', aequip_no => '00002',"
               " aequip_size_gubun => '165', aequip_rent_yn => 'Y', arow_ver => '1', aeditstatus => '1')"_s
            << QString()
            << u"SELECT concat_ws('/', equip_size_gubun, row_ver) FROM eb020ms WHERE equip_no = '00002'"_s
            << u"165/2"_s;
        QTest::newRow("delete from an older read")
            << u"UPDATE eb020ms SET row_ver = 3 WHERE equip_no = '00002'"_s
            << u"SELECT * FROM pr_ebi020_01(aarea_gubun => 'M', aequip_gubun => 'NS', aequip_no => '00002',"
               " arow_ver => '2', aeditstatus => '3')"_s
            << Changed << mainSkis << u"00001,00002,00003"_s;
        QTest::newRow("a version that is no number")
            << u"INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty) VALUES ('M', '250', 4)"_s
            << u"SELECT * FROM pr_ebi030_01(aarea_gubun => 'M', aboots_size_gubun => '250', arow_ver => 'x',"
               " aeditstatus => '3')"_s
            << Changed << u"SELECT count(*) FROM eb030ms"_s << u"1"_s;
        QTest::newRow("stock changed meanwhile")
            << u"INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty, row_ver) VALUES ('M', '250', 4, 5)"_s
            << u"SELECT * FROM pr_ebi030_01(aarea_gubun => 'M', aboots_size_gubun => '250', astock_qty => '7',"
               " arow_ver => '4', aeditstatus => '1')"_s
            << Changed << u"SELECT string_agg(boots_size_gubun || '=' || stock_qty, ',') FROM eb030ms"_s << u"250=4"_s;
        QTest::newRow("stock size stored twice")
            << u"INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty) VALUES ('M', '250', 4)"_s
            << u"SELECT * FROM pr_ebi030_01(aarea_gubun => 'M', aboots_size_gubun => '250', astock_qty => '7',"
               " aeditstatus => '2')"_s
            << u"기존 등록된 자료와 중복됩니다. (사이즈 250)"_s
            << u"SELECT string_agg(boots_size_gubun || '=' || stock_qty, ',') FROM eb030ms"_s << u"250=4"_s;
        QTest::newRow("stock quantity over four digits")
            << QString()
            << u"SELECT * FROM pr_ebi030_01(aarea_gubun => 'M', aboots_size_gubun => '250', astock_qty => '10000',"
               " aeditstatus => '2')"_s
            << u"기준재고수량은(는) 0부터 9999까지의 숫자로 입력하십시오."_s
            << u"SELECT count(*) FROM eb030ms"_s << u"0"_s;
    }
    void procedureRules()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, call);
        QFETCH(QString, error);
        QFETCH(QString, check);
        QFETCH(QString, expected);
        if (!fixture.isEmpty())
            m_db->adminExec(fixture);
        QString failure;
        {
            QSqlDatabase db = LoginConnection(u"procedure_counter"_s, m_db->name());
            QSqlQuery query(db);
            if (!query.exec(call))
                failure = query.lastError().databaseText().section(u'\n', 0, 0);
        }
        QSqlDatabase::removeDatabase(u"procedure_counter"_s);
        QCOMPARE(failure, error.isEmpty() ? QString() : u"ERROR:  "_s + error);
        QCOMPARE(m_db->adminScalar(check), expected);
    }

    void multiDayItemShowsItsPeriodAndIsListedOnce()
    {
        // Item 00002 was rented for the day, returned, then rented again for
        // several days on the same date; 00003 has a stale date from a
        // multi-day rental that ended.
        m_db->adminExec(u"INSERT INTO eb040ms (rent_date, area_gubun, rent_no) VALUES"
                        " ('20241201', 'M', 1), ('20241201', 'M', 2), ('20241120', 'M', 1);"
                        " INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, rent_stat, equip_gubun,"
                        "                      equip_no, svrl_rent_from_date, svrl_rent_to_date) VALUES"
                        " ('20241201', 'M', 1, 1, 'R', 'NS', '00002', NULL, NULL),"
                        " ('20241201', 'M', 2, 1, 'S', 'NS', '00002', '20241201', '20241205'),"
                        " ('20241120', 'M', 1, 1, 'R', 'NS', '00003', '20241120', '20241122');"
                        " UPDATE eb020ms SET svrl_rent_yn = 'Y', svrl_from_date = '20241201'"
                        "  WHERE area_gubun = 'M' AND equip_gubun = 'NS' AND equip_no = '00002';"
                        " UPDATE eb020ms SET svrl_from_date = '20241120'"
                        "  WHERE area_gubun = 'M' AND equip_gubun = 'NS' AND equip_no = '00003'"_s);
        openRegister();
        searchRegister(u"M"_s, u"NS"_s);
        QStringList listed;
        for (int row = 0; row < registerRows().rowCount(); ++row)
            listed.append(registerRows().value(row, u"EQUIP_NO"_s) + u'|'
                          + registerRows().value(row, u"SVRL_RENT_YN"_s) + u'|'
                          + registerRows().value(row, u"SVRL_RENT_FROM_DATE"_s) + u'|'
                          + registerRows().value(row, u"SVRL_RENT_TO_DATE"_s));
        QCOMPARE(listed, QStringList({u"00001|N||"_s, u"00002|Y|2024-12-01|2024-12-05"_s, u"00003|N||"_s}));

        m_register->Grid()->setCurrentRow(1);
        QCOMPARE(label(u"wlbSvrlRentYn"_s)->text(), u"Y"_s);
        QCOMPARE(label(u"wlbSvrlRentFromDate"_s)->text(), u"2024-12-01"_s);
        QCOMPARE(label(u"wlbSvrlRentToDate"_s)->text(), u"2024-12-05"_s);
        m_register->Grid()->setCurrentRow(2);
        QCOMPARE(label(u"wlbSvrlRentFromDate"_s)->text(), QString());
        QCOMPARE(label(u"wlbSvrlRentToDate"_s)->text(), QString());
    }

    void savingAnItemKeepsTheRentalsMultiDayColumns()
    {
        openRegister();
        searchRegister(u"M"_s, u"NS"_s);
        QCOMPARE(registerRows().value(0, u"SVRL_RENT_YN"_s), u"N"_s);
        // A counter rents the item for several days while it is on screen.
        m_db->adminExec(u"UPDATE eb020ms SET svrl_rent_yn = 'Y', svrl_from_date = '20241201'"
                        " WHERE area_gubun = 'M' AND equip_gubun = 'NS' AND equip_no = '00001'"_s);
        edit(u"edtRemark"_s)->setText(u"바인딩 교체"_s);
        combo(u"cboEquipRentYn"_s)->setCode(u"N"_s);
        save(m_register.get());
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('/', remark, equip_rent_yn, svrl_rent_yn, svrl_from_date)"
                                   " FROM eb020ms WHERE area_gubun = 'M' AND equip_gubun = 'NS'"
                                   " AND equip_no = '00001'"_s),
                 u"바인딩 교체/N/Y/20241201"_s);
    }

    void itemInUseCannotBeDeleted_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("message");
        QTest::newRow("out on a multi-day rental")
            << u"UPDATE eb020ms SET svrl_rent_yn = 'Y', svrl_from_date = '20241201'"
               " WHERE area_gubun = 'M' AND equip_gubun = 'NS' AND equip_no = '00001'"_s
            << u"장비번호 00001 은(는) 연일대여 중인 장비이므로 삭제할 수 없습니다."_s;
        const QString today = QDate::currentDate().toString(u"yyyyMMdd"_s);
        QTest::newRow("out on today's rental")
            << u"INSERT INTO eb040ms (rent_date, area_gubun, rent_no) VALUES ('%1', 'M', 1);"
               " INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, rent_stat, equip_gubun, equip_no)"
               " VALUES ('%1', 'M', 1, 1, 'D', 'NS', '00001')"_s.arg(today)
            << u"장비번호 00001 은(는) %1 일자에 대여된 장비이므로 삭제할 수 없습니다."_s.arg(
                   QDate::currentDate().toString(u"yyyy-MM-dd"_s));
        QTest::newRow("held by a counter")
            << u"INSERT INTO eb020tm (rent_date, area_gubun, equip_gubun, equip_no, au_emp_no, au_ip)"
               " VALUES ('20241201', 'M', 'NS', '00001', 'D0002', '10.0.0.9')"_s
            << u"장비번호 00001 은(는) 대여 작업중인 장비이므로 삭제할 수 없습니다."_s;
    }
    void itemInUseCannotBeDeleted()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, message);
        m_db->adminExec(fixture);
        openRegister();
        searchRegister(u"M"_s, u"NS"_s);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_register.get(), Qt::Key_F9);
        QCOMPARE(registerRows().rowCount(), 2);
        m_boxes->clear();
        save(m_register.get());
        QVERIFY2(m_boxes->texts().contains(u"자료를 저장하지 못했습니다.\r\r에러내용:\r"_s + message),
                 qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM eb020ms WHERE area_gubun = 'M'"_s), u"3"_s);
        // The refused row is back where it stood, and nothing is left to send.
        QCOMPARE(registerRows().rowCount(), 3);
        QCOMPARE(registerRows().value(0, u"EQUIP_NO"_s), u"00001"_s);
        QVERIFY(m_register->IsStoredRow(0));
        QCOMPARE(m_register->ChangeCount(), 0);
    }

    // A stored row nobody touched is never checked on leaving it, even when
    // it would not pass (a row stored before purchase dates were asked).
    void untouchedStoredRowsAreNotChecked()
    {
        m_db->adminExec(u"UPDATE eb020ms SET buy_date = NULL WHERE equip_no = '00001'"_s);
        openRegister();
        searchRegister(u"M"_s, u"NS"_s);
        QCOMPARE(m_register->Grid()->currentRow(), 0);
        QTest::keyClick(m_register->Grid(), Qt::Key_Down);
        QCOMPARE(m_register->Grid()->currentRow(), 1);
        QVERIFY2(m_boxes->boxes.isEmpty(), qPrintable(m_boxes->texts().join(u" | "_s)));
        // Touched, it is.
        m_register->Grid()->setCurrentRow(0);
        edit(u"edtRemark"_s)->setText(u"손봄"_s);
        m_register->Grid()->setCurrentRow(1);
        QCOMPARE(m_register->Grid()->currentRow(), 0);
        QCOMPARE(m_boxes->lastText(), u"*구입일자을(를) 먼저 입력하십시오."_s);
    }

    // Rentals of past days are history: the item goes, they stay.
    void itemWithPastRentalsOnlyIsDeletedKeepingThem()
    {
        m_db->adminExec(u"INSERT INTO eb040ms (rent_date, area_gubun, rent_no) VALUES ('20241201', 'M', 1);"
                        " INSERT INTO eb040dt (rent_date, area_gubun, rent_no, rent_seq, rent_stat, equip_gubun,"
                        " equip_no) VALUES ('20241201', 'M', 1, 1, 'D', 'NS', '00001')"_s);
        openRegister();
        searchRegister(u"M"_s, u"NS"_s);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_register.get(), Qt::Key_F9);
        m_boxes->clear();
        save(m_register.get());
        QCOMPARE(m_boxes->texts(), QStringList{u"저장 하시겠습니까?"_s});
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM eb020ms WHERE area_gubun = 'M' AND equip_no = '00001'"_s), u"0"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM eb040dt WHERE equip_no = '00001'"_s), u"1"_s);
    }

    void savingAwayTheLastRowLeavesOneEmptyRow()
    {
        m_db->adminExec(u"DELETE FROM eb020ms WHERE equip_no <> '00001'"_s);
        openRegister();
        searchRegister(u"M"_s, u"NS"_s);
        QCOMPARE(edit(u"edtRemark"_s)->text(), u"첫째"_s);
        QTest::keyClick(m_register.get(), Qt::Key_F9);
        save(m_register.get());
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM eb020ms WHERE area_gubun = 'M'"_s), u"0"_s);
        QCOMPARE(registerRows().rowCount(), 1);
        QVERIFY(!m_register->IsStoredRow(0));
        QCOMPARE(m_register->Grid()->currentRow(), 0);
        QCOMPARE(label(u"wlbEquipNo"_s)->text(), QString());
        QCOMPARE(edit(u"edtRemark"_s)->text(), QString());
        QCOMPARE(m_register->findChild<MaskEdit *>(u"wmeBuyDate"_s)->plainText(), QString());
        QVERIFY(m_register->IsBlankRow(0));
    }

    void stockRowsPerAreaAndSize()
    {
        m_db->adminExec(u"INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty) VALUES"
                        " ('M', '240', 5), ('M', '260', 8), ('S', '240', 3)"_s);
        openStock();
        QTest::keyClick(m_stock.get(), Qt::Key_F3);
        QCOMPARE(m_stock->Rows().rowCount(), 2);
        // A stored row's size is its key: it cannot be changed.
        QVERIFY(!combo(u"cboBootsSize"_s, m_stock.get())->isEnabled());
        edit(u"wneStockQty"_s, m_stock.get())->setText(u"12"_s);
        QTest::keyClick(m_stock.get(), Qt::Key_F4);
        QVERIFY(combo(u"cboBootsSize"_s, m_stock.get())->isEnabled());
        QCOMPARE(m_stock->Rows().value(2, u"STOCK_QTY"_s), u"0"_s);

        // The same size twice in one area is refused before anything is sent.
        combo(u"cboBootsSize"_s, m_stock.get())->setCode(u"260"_s);
        m_boxes->clear();
        QTest::keyClick(m_stock.get(), Qt::Key_F4);
        QCOMPARE(m_boxes->texts(), QStringList({u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s}));
        QCOMPARE(QApplication::focusWidget()->objectName(), u"cboBootsSize"_s);
        m_boxes->clear();
        save(m_stock.get());
        QCOMPARE(m_boxes->texts(), QStringList({u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT stock_qty FROM eb030ms WHERE area_gubun = 'M' AND boots_size_gubun = '240'"_s),
                 u"5"_s);

        combo(u"cboBootsSize"_s, m_stock.get())->setCode(u"275"_s);
        edit(u"wneStockQty"_s, m_stock.get())->setText(u"4"_s);
        save(m_stock.get());
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(area_gubun || boots_size_gubun || '=' || stock_qty, ','"
                                   " ORDER BY area_gubun, boots_size_gubun) FROM eb030ms"_s),
                 u"M240=12,M260=8,M275=4,S240=3"_s);
        QCOMPARE(m_stock->Rows().rowCount(), 3);
        QVERIFY(!combo(u"cboBootsSize"_s, m_stock.get())->isEnabled());
    }

    void stockOfAnotherAreaIsItsOwn()
    {
        m_db->adminExec(u"INSERT INTO eb030ms (area_gubun, boots_size_gubun, stock_qty) VALUES ('M', '240', 5)"_s);
        openStock();
        combo(u"cboArea"_s, m_stock.get())->setCode(u"S"_s);
        QTest::keyClick(m_stock.get(), Qt::Key_F3);
        QCOMPARE(m_stock->Rows().rowCount(), 1);
        QVERIFY(!m_stock->IsStoredRow(0));
        combo(u"cboBootsSize"_s, m_stock.get())->setCode(u"240"_s);
        edit(u"wneStockQty"_s, m_stock.get())->setText(u"9"_s);
        save(m_stock.get());
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(area_gubun || '=' || stock_qty, ',' ORDER BY area_gubun)"
                                   " FROM eb030ms WHERE boots_size_gubun = '240'"_s),
                 u"M=5,S=9"_s);
    }

private:
    void openRegister()
    {
        QVERIFY(m_register.open());
    }
    void openStock()
    {
        QVERIFY(m_stock.open());
    }
    void searchRegister(const QString &area, const QString &kind)
    {
        combo(u"cboAreaGubun"_s)->setCode(area);
        combo(u"cboEquipGubun"_s)->setCode(kind);
        QTest::keyClick(m_register.get(), Qt::Key_F3);
    }
    void save(QWidget *screen)
    {
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(screen, Qt::Key_F2);
    }
    void typeInto(const QString &name, const QString &text)
    {
        QLineEdit *target = edit(name);
        target->setFocus();
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
        target->setCursorPosition(0);
        QTest::keyClicks(target, text);
    }
    GridModel &registerRows() { return m_register->Rows(); }
    CodeCombo *combo(const QString &name, QWidget *screen = nullptr)
    {
        return (screen ? screen : m_register.get())->findChild<CodeCombo *>(name);
    }
    QLineEdit *edit(const QString &name, QWidget *screen = nullptr)
    {
        return (screen ? screen : m_register.get())->findChild<QLineEdit *>(name);
    }
    QLabel *label(const QString &name) { return m_register->findChild<QLabel *>(name); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmEBI020> m_register{openLater};
    ShownScreen<TfrmEBI030> m_stock{openLater};
};

QTEST_MAIN(TestRegister)
#include "tst_register.moc"
