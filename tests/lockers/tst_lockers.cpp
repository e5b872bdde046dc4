#include "CodeCombo.h"
#include "EHI010.h"
#include "EHI020.h"
#include "EHI040.h"
#include "EHS030.h"
#include "EHS040.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ReportViewer.h"
#include "Routines.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Season 2026: block 1 (M/A/1, 101 to 104) and block 2 (S/B/2, 201 to 202)
// with their lockers, block 3 (M/B/1, 9 and 10) for the numeric order and
// block 4 (M/A/2 from 301) still without lockers. 101 is sold in cash, 201
// by card with its approval; 104 was cancelled before.
const char *const Fixture = R"SQL(
INSERT INTO ktuser.eh010ms (season_year, seq_no, location, area_zone, locker_type, unit_amt, member_amt,
                            beginning_no, locker_qty) VALUES
    ('2026', 1, 'M', 'A', '1', 100000, 80000, 101, 4),
    ('2026', 2, 'S', 'B', '2', 150000, 120000, 201, 2),
    ('2026', 3, 'M', 'B', '1', 90000, 70000, 9, 2),
    ('2026', 4, 'M', 'A', '2', 150000, 120000, 301, 3);
INSERT INTO ktuser.eh020ms (season_year, location, area_zone, locker_type, locker_no, unit_amt, member_amt, use_yn)
SELECT '2026', b.location, b.area_zone, b.locker_type, n::text, b.unit_amt, b.member_amt, 'N'
FROM   ktuser.eh010ms b, generate_series(b.beginning_no, b.beginning_no + b.locker_qty - 1) n
WHERE  b.seq_no <= 3;
UPDATE ktuser.eh020ms SET sale_date = to_char(CURRENT_DATE - 2, 'YYYYMMDD'), m_name = '김현금',
       m_idno = kest_private.enc('8001011234567'), pay_code = '현금', sale_amt = 100000, ipgum_amt = 100000,
       ipgum_yn = 'Y', use_yn = 'Y'
WHERE  locker_no = '101';
UPDATE ktuser.eh020ms SET sale_date = to_char(CURRENT_DATE - 20, 'YYYYMMDD'), m_name = '이카드',
       m_idno = kest_private.enc('8102021234567'), pay_code = '카드', sale_amt = 150000, ipgum_amt = 150000,
       ipgum_yn = 'Y', use_yn = 'Y', terminal_id = 'T01', approval_no = 'AP201', approval_time = '101500',
       card_issuer = '국민카드', result = '0000', result_msg = '정상승인'
WHERE  locker_no = '201';
UPDATE ktuser.eh020ms SET use_yn = 'C' WHERE locker_no = '104';
)SQL";

const QString CardColumns = u"terminal_id || approval_no || approval_time || card_issuer || result || result_msg"_s;

} // namespace

class TestLockers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        m_db->adminExec(u"TRUNCATE ktuser.eh010ms, ktuser.eh020ms, ktuser.eh030ms"_s);
        m_db->adminExec(QString::fromUtf8(Fixture));
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_blocks.reset();
        m_sales.reset();
        m_penalties.reset();
        m_boxes.reset();
    }

    // The created flag is the block's: block 3 shares location, zone and
    // type with no other, block 4 shares them with none created and has
    // none itself.
    void blocksShowTheirCreatedFlag()
    {
        openBlocks();
        QCOMPARE(column(m_blocks->Rows(), u"SEQ_NO"_s), QStringList({u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
        QCOMPARE(column(m_blocks->Rows(), u"BATCH"_s), QStringList({u"Y"_s, u"Y"_s, u"Y"_s, QString()}));
    }

    // The batch button: a row not saved is refused, a created block says so,
    // and a stored one gets its lockers once, the flag shown after.
    void batchCreatesABlockOnce()
    {
        openBlocks();
        GridModel &rows = m_blocks->Rows();
        m_blocks->Grid()->setCurrentRow(0);
        m_blocks->bbtBatchClick();
        QCOMPARE(m_boxes->texts(), QStringList{u"시즌락카 일괄처리 작업이 이미 완료되었습니다. 확인바랍니다."_s});

        m_boxes->clear();
        m_blocks->Grid()->setCurrentRow(3);
        rows.setValue(3, u"LOCKER_QTY"_s, u"4"_s);
        m_blocks->bbtBatchClick();
        QCOMPARE(m_boxes->texts(), QStringList{u"저장하지 않은 블록입니다. 저장한 후 일괄생성하십시오."_s});
        QCOMPARE(lockerCount(), u"8"_s);

        m_boxes->confirmAnswers = {true};
        m_blocks.press(Qt::Key_F8);
        m_blocks.press(Qt::Key_F3);
        m_boxes->clear();
        m_blocks->Grid()->setCurrentRow(3);
        m_blocks->bbtBatchClick();
        QCOMPARE(m_boxes->texts(), QStringList{u"시즌락카 일괄처리 작업이 끝났습니다."_s});
        QCOMPARE(lockerCount(), u"11"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(locker_no || use_yn || coalesce(sale_date, '-'), ',' "
                                   "ORDER BY locker_no) FROM ktuser.eh020ms WHERE locker_type = '2' "
                                   "AND location = 'M'"_s),
                 u"301N-,302N-,303N-"_s);
        QCOMPARE(column(rows, u"BATCH"_s).at(3), u"Y"_s); // searched again

        m_boxes->clear();
        m_blocks->Grid()->setCurrentRow(3);
        m_blocks->bbtBatchClick();
        QCOMPARE(m_boxes->texts(), QStringList{u"시즌락카 일괄처리 작업이 이미 완료되었습니다. 확인바랍니다."_s});
        QCOMPARE(lockerCount(), u"11"_s);
    }

    // Add puts the searched season into the new row; the server numbers the
    // block, and the screen reads it back so that a second Save adds nothing.
    void newBlockTakesTheSeasonAndItsNumber()
    {
        openBlocks();
        m_blocks.press(Qt::Key_F4);
        GridModel &rows = m_blocks->Rows();
        const int row = m_blocks->Grid()->currentRow();
        QCOMPARE(rows.value(row, u"SEASON_YEAR"_s), u"2026"_s);
        for (const auto &[field, value] : {std::pair{u"LOCATION"_s, u"S"_s}, {u"AREA_ZONE"_s, u"A"_s},
                                           {u"LOCKER_TYPE"_s, u"1"_s}, {u"UNIT_AMT"_s, u"1000"_s},
                                           {u"MEMBER_AMT"_s, u"900"_s}, {u"BEGINNING_NO"_s, u"501"_s},
                                           {u"LOCKER_QTY"_s, u"5"_s}})
            rows.setValue(row, field, value);
        m_boxes->confirmAnswers = {true};
        m_blocks.press(Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT seq_no FROM ktuser.eh010ms WHERE beginning_no = 501"_s), u"5"_s);
        QCOMPARE(column(rows, u"SEQ_NO"_s).last(), u"5"_s);
        QCOMPARE(rows.rowCount(), 5);
        m_boxes->clear();
        m_blocks.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"변경된 데이타가 존재하지 않습니다."_s});
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eh010ms"_s), u"5"_s);
    }

    // Every list on "전체": every locker of the season, by the number's value.
    void salesListInNumericOrder()
    {
        openSales();
        QCOMPARE(column(m_sales->Rows(), u"LOCKER_NO"_s),
                 QStringList({u"9"_s, u"10"_s, u"101"_s, u"102"_s, u"103"_s, u"104"_s, u"201"_s, u"202"_s}));
        QCOMPARE(m_sales->Rows().displayText(0, m_sales->Rows().columnOf(u"LOCATION"_s)), u"본관"_s);
        const int sold = rowOf(u"201"_s);
        QCOMPARE(m_sales->Rows().displayText(sold, m_sales->Rows().columnOf(u"SALE_AMT"_s)), u"150,000"_s);
    }

    void salesSearchConditions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("lockers");
        QTest::newRow("location") << u"cboLocation"_s << u"S"_s << QStringList({u"201"_s, u"202"_s});
        QTest::newRow("type") << u"cboLockerType"_s << u"2"_s << QStringList({u"201"_s, u"202"_s});
        QTest::newRow("zone") << u"cboAreaZone"_s << u"B"_s << QStringList({u"9"_s, u"10"_s, u"201"_s, u"202"_s});
        QTest::newRow("sold") << u"cboSaleYn"_s << u"Y"_s << QStringList({u"101"_s, u"201"_s});
        QTest::newRow("cancelled") << u"cboSaleYn"_s << u"C"_s << QStringList({u"104"_s});
        QTest::newRow("locker number") << u"edtLockerNo"_s << u"10"_s << QStringList({u"10"_s});
        QTest::newRow("name matches whole") << u"edtSearchName"_s << u"김현금"_s << QStringList({u"101"_s});
        QTest::newRow("part of a name is no match") << u"edtSearchName"_s << u"김현"_s << QStringList();
    }
    void salesSearchConditions()
    {
        QFETCH(QString, control);
        QFETCH(QString, value);
        QFETCH(QStringList, lockers);
        QVERIFY(m_sales.open());
        setSearchValue(m_sales.get(), control, value);
        m_sales.press(Qt::Key_F3);
        QCOMPARE(column(m_sales->Rows(), u"LOCKER_NO"_s), lockers);
    }

    // On a free locker: the notice, today's sale date, the fields open; a
    // complete resident number prices the locker once while its amount is
    // 0; Save keeps the sale and reads it back.
    void saleOfAFreeLocker()
    {
        openSales();
        QVERIFY(!m_sales.find<QWidget>(u"panSale"_s)->isVisible());
        QTest::mouseClick(m_sales.find<QPushButton>(u"bbtSaleHeader"_s), Qt::LeftButton);
        QVERIFY(m_sales.find<QWidget>(u"panSale"_s)->isVisible());
        m_sales->Grid()->setCurrentRow(rowOf(u"102"_s));
        QTest::mouseClick(m_sales.find<QPushButton>(u"bbtSale"_s), Qt::LeftButton);
        QCOMPARE(m_boxes->texts(), QStringList{u"고객정보와 판매정보를 등록하신 후 Save 버튼을 누르세요"_s});
        QVERIFY(!m_sales->IsNoticeOpen());
        QCOMPARE(m_sales.find<MaskEdit>(u"wmeSaleDate"_s)->plainText(), TodayKey());
        QVERIFY(m_sales.find<QWidget>(u"edtMName"_s)->isEnabled());
        QVERIFY(!m_sales.find<QWidget>(u"wneSaleAmt"_s)->isEnabled());

        typeInto(u"edtMName"_s, u"박새손"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // keyboard first: Enter moves on
        QCOMPARE(QApplication::focusWidget(), m_sales.find<QWidget>(u"wmeMIdno"_s));
        typeInto(u"wmeMIdno"_s, u"900101123456"_s);
        QCOMPARE(saleAmount(), QString()); // twelve digits: not yet
        typeInto(u"wmeMIdno"_s, u"9001011234567"_s);
        QCOMPARE(saleAmount(), u"100000"_s);
        // Set once: a price changed on the server meanwhile is not asked again.
        m_db->adminExec(u"UPDATE ktuser.eh020ms SET unit_amt = 5 WHERE locker_no = '102'"_s);
        typeInto(u"wmeMIdno"_s, u"9001011234568"_s);
        QCOMPARE(saleAmount(), u"100000"_s);
        m_db->adminExec(u"UPDATE ktuser.eh020ms SET unit_amt = 100000 WHERE locker_no = '102'"_s);
        typeInto(u"wmeMIdno"_s, u"9001011234567"_s);
        auto *pay = m_sales.find<CodeCombo>(u"cboPayCode"_s);
        pay->setCurrentIndex(pay->findText(u"현금"_s));
        emit pay->activated(pay->currentIndex());
        typeInto(u"wneIpgumAmt"_s, u"100000"_s);

        m_boxes->clear();
        m_sales.press(Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT m_name || sale_amt || pay_code || use_yn || ipgum_yn || "
                                   "fn_za010ms_04(m_idno) FROM ktuser.eh020ms WHERE locker_no = '102'"_s),
                 u"박새손100000현금YY9001011234567"_s);
        QVERIFY(m_sales->PendingChanges().isEmpty());
        QCOMPARE(m_sales->Rows().value(rowOf(u"102"_s), u"USE_YN"_s), u"Y"_s);
    }

    // A sale started and left without its customer is refused by the
    // server and nothing is kept.
    void saleWithoutCustomerIsNotSaved()
    {
        openSales();
        m_sales->Grid()->setCurrentRow(rowOf(u"103"_s));
        m_sales->bbtSaleClick();
        m_sales->Grid()->setCurrentRow(rowOf(u"10"_s));
        m_boxes->clear();
        m_sales.press(Qt::Key_F2);
        QCOMPARE(m_boxes->boxes.size(), 2); // the question, then the refusal
        QVERIFY2(m_boxes->lastText().contains(u"고객성명"_s), qPrintable(m_boxes->lastText()));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eh020ms WHERE sale_date IS NOT NULL"_s), u"2"_s);
    }

    // The fee lookup's refusal is shown under its own heading; the amount stays.
    void feeLookupFailureKeepsTheAmount()
    {
        openSales();
        m_sales->Grid()->setCurrentRow(rowOf(u"102"_s));
        m_sales->bbtSaleClick();
        m_db->adminExec(u"DELETE FROM ktuser.eh020ms WHERE locker_no = '102'"_s);
        m_boxes->clear();
        typeInto(u"wmeMIdno"_s, u"9001011234567"_s);
        QVERIFY2(m_boxes->lastText().startsWith(u"시즌락카 요금조회 오류"_s), qPrintable(m_boxes->lastText()));
        QCOMPARE(saleAmount(), QString());
    }

    // "락카키 관리" always proposes 30000, over another deposit too.
    void keyProposesTheDeposit()
    {
        openSales();
        m_sales->Rows().setValue(rowOf(u"101"_s), u"ASSURANCE_AMT"_s, u"10000"_s);
        m_sales->Grid()->setCurrentRow(rowOf(u"101"_s));
        m_sales->bbtKeyClick();
        QCOMPARE(m_sales->Rows().value(rowOf(u"101"_s), u"ASSURANCE_AMT"_s), u"30000"_s);
        QVERIFY(m_sales.find<QWidget>(u"wmeKeyReceiptDate"_s)->isEnabled());
        QVERIFY(!m_sales.find<QWidget>(u"edtMName"_s)->isEnabled());
        typeInto(u"wmeKeyReceiptDate"_s, TodayKey());
        m_boxes->confirmAnswers = {true};
        m_sales.press(Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT assurance_amt || key_receipt_date || m_name FROM ktuser.eh020ms "
                                   "WHERE locker_no = '101'"_s),
                 u"30000"_s + TodayKey() + u"김현금"_s);
    }

    // A card sale cancelled: the penalty record by the rule, the locker
    // free and 'C', the card columns as stored; no later Save brings the
    // sale back.
    void cancelledSaleStaysCancelled()
    {
        openSales();
        const QString cardBefore =
            m_db->adminScalar(u"SELECT "_s + CardColumns + u" FROM ktuser.eh020ms WHERE locker_no = '201'"_s);
        m_sales->Grid()->setCurrentRow(rowOf(u"201"_s));
        m_sales->bbtSaleClick();
        QVERIFY(m_sales->IsNoticeOpen());
        QCOMPARE(m_sales.find<QLabel>(u"wlbCurrentLocker"_s)->text(), u"201"_s);
        m_boxes->clear();
        m_boxes->confirmAnswers = {true};
        m_sales->bbtSaleCancelClick();
        QCOMPARE(m_boxes->texts(), QStringList({u"판매를 취소하시겠습니까?"_s, u"판매가 취소되었습니다."_s}));
        QVERIFY(!m_sales->IsNoticeOpen());
        QCOMPARE(m_db->adminScalar(u"SELECT coalesce(sale_date, '-') || use_yn || "_s + CardColumns
                                   + u" FROM ktuser.eh020ms WHERE locker_no = '201'"_s),
                 u"-C"_s + cardBefore);
        // Twenty days after the sale: 30 % of 150,000, the rest refunded.
        QCOMPARE(m_db->adminScalar(u"SELECT locker_no || '/' || penalty_amt || '/' || return_amt || '/' || m_name "
                                   "FROM ktuser.eh030ms"_s),
                 u"201/45000/105000/이카드"_s);
        QCOMPARE(m_sales->Rows().value(rowOf(u"201"_s), u"SALE_DATE"_s), QString());
        QVERIFY(m_sales->PendingChanges().isEmpty());

        m_boxes->clear();
        m_sales.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"변경된 데이타가 존재하지 않습니다."_s});
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eh020ms WHERE sale_date IS NOT NULL"_s), u"1"_s);
    }

    // With a typed change not saved, a cancellation is refused: the reading
    // after it would lose the change.
    void cancelWaitsForPendingEdits()
    {
        openSales();
        m_sales->Grid()->setCurrentRow(rowOf(u"102"_s));
        m_sales->bbtKeyClick();
        m_sales->Grid()->setCurrentRow(rowOf(u"101"_s));
        m_sales->bbtSaleClick();
        m_boxes->clear();
        m_sales->bbtSaleCancelClick();
        QCOMPARE(m_boxes->texts(), QStringList{u"저장하지 않은 자료가 있습니다. 저장하거나 취소한 후 다시 하십시오."_s});
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.eh030ms"_s), u"0"_s);
    }

    // The change checks in their order; a locker that does not exist reads
    // as another type.
    void changeChecks_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("two characters, though 10 exists") << u"10"_s << u"변경 락카번호 입력을 확인하세요."_s;
        QTest::newRow("sold") << u"201"_s << u"이미 판매된 락카번호로는 변경이 불가합니다."_s;
        QTest::newRow("other type") << u"202"_s << u"변경 락카번호의 락카형이 달라서 변경할수 없습니다.확인하세요"_s;
        QTest::newRow("missing") << u"999"_s << u"변경 락카번호의 락카형이 달라서 변경할수 없습니다.확인하세요"_s;
    }
    void changeChecks()
    {
        QFETCH(QString, target);
        QFETCH(QString, message);
        openSales();
        // 201 is sold: change from 101 to it; for the others 101 is the sale.
        m_sales->Grid()->setCurrentRow(rowOf(u"101"_s));
        m_sales->bbtSaleClick();
        m_sales.find<QLineEdit>(u"edtChangeLocker"_s)->setText(target);
        m_boxes->clear();
        m_sales->bbtChangeClick();
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QVERIFY(m_sales->IsNoticeOpen());
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(locker_no, ',' ORDER BY locker_no) FROM ktuser.eh020ms "
                                   "WHERE sale_date IS NOT NULL"_s),
                 u"101,201"_s);
    }

    // A move to a free locker of the type takes the sale with it, frees the
    // old locker and shows the list as the server holds it.
    void changeToAFreeLockerOfTheType()
    {
        openSales();
        m_sales->Grid()->setCurrentRow(rowOf(u"101"_s));
        m_sales->bbtSaleClick();
        m_sales.find<QLineEdit>(u"edtChangeLocker"_s)->setText(u"103"_s);
        m_boxes->clear();
        m_boxes->confirmAnswers = {true};
        m_sales->bbtChangeClick();
        QCOMPARE(m_boxes->texts(), QStringList({u"락카를 변경하시겠습니까?"_s, u"락카가 변경되었습니다."_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(locker_no || ':' || coalesce(m_name, '-') || use_yn, ',' "
                                   "ORDER BY locker_no) FROM ktuser.eh020ms WHERE locker_no IN ('101', '103')"_s),
                 u"101:-N,103:김현금Y"_s);
        QCOMPARE(m_sales->Rows().value(rowOf(u"103"_s), u"M_NAME"_s), u"김현금"_s);
        QCOMPARE(m_sales->Rows().value(rowOf(u"101"_s), u"M_NAME"_s), QString());
        QVERIFY(!m_sales->IsNoticeOpen());
    }

    // Cancel empties the details and the name searched for.
    void cancelEmptiesTheDetails()
    {
        QVERIFY(m_sales.open());
        setSearchValue(m_sales.get(), u"edtSearchName"_s, u"김현금"_s);
        m_sales.press(Qt::Key_F3);
        QCOMPARE(m_sales.find<QLineEdit>(u"edtMName"_s)->text(), u"김현금"_s);
        m_sales.press(Qt::Key_F8);
        QCOMPARE(m_sales.find<QLineEdit>(u"edtMName"_s)->text(), QString());
        QCOMPARE(m_sales.find<QLineEdit>(u"edtSearchName"_s)->text(), QString());
        QVERIFY(!m_sales->IsNoticeOpen());
    }

    // Only the two dates are typed; the server sets the paid flag and
    // refuses a date that is none.
    void penaltyDates()
    {
        m_db->adminExec(u"INSERT INTO ktuser.eh030ms (season_year, seq_no, cancel_date, location, area_zone, "
                        "locker_type, locker_no, m_name, penalty_amt, pay_code, ipgum_amt, return_amt) VALUES "
                        "('2026', 1, '20261201', 'M', 'A', '1', '104', '최취소', 10000, '현금', 10000, 90000)"_s);
        QVERIFY(m_penalties.open());
        m_penalties.press(Qt::Key_F3);
        GridModel &rows = m_penalties->Rows();
        QCOMPARE(rows.rowCount(), 1);
        for (int c = 0; c < rows.columnCount(); ++c) {
            const bool typed = rows.column(c).field == u"IPGUM_DATE"_s || rows.column(c).field == u"RETURN_DATE"_s;
            QCOMPARE(bool(rows.flags(rows.index(0, c)) & Qt::ItemIsEditable), typed);
        }
        QCOMPARE(rows.displayText(0, rows.columnOf(u"RETURN_AMT"_s)), u"90,000"_s);
        QVERIFY(!m_penalties.find<QPushButton>(u"bbtAdd"_s)->isVisible());

        rows.setValue(0, u"IPGUM_DATE"_s, u"20261231"_s);
        rows.setValue(0, u"RETURN_DATE"_s, u"20261332"_s);
        m_boxes->confirmAnswers = {true};
        m_penalties.press(Qt::Key_F2);
        QVERIFY2(m_boxes->lastText().contains(u"환불일자"_s), qPrintable(m_boxes->lastText()));
        QCOMPARE(m_db->adminScalar(u"SELECT coalesce(ipgum_date, '-') || penalty_yn FROM ktuser.eh030ms"_s), u"-N"_s);

        rows.setValue(0, u"RETURN_DATE"_s, u"20270102"_s);
        m_boxes->confirmAnswers = {true};
        m_penalties.press(Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT ipgum_date || return_date || penalty_yn FROM ktuser.eh030ms"_s),
                 u"2026123120270102Y"_s);
        QCOMPARE(rows.value(0, u"PENALTY_YN"_s), u"Y"_s); // read again
    }

    void penaltiesOfAnEmptySeason()
    {
        QVERIFY(m_penalties.open());
        m_penalties.press(Qt::Key_F3);
        QCOMPARE(m_penalties->Rows().rowCount(), 0);
        QCOMPARE(m_penalties->StatusMessage(), u"조회할 내용이 없습니다."_s);
    }

    // The locker list: season 2010 at first; the lists as conditions.
    void lockerListFilters_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("lockers");
        QTest::newRow("all, by value") << QString() << QString()
                                       << QStringList({u"9"_s, u"10"_s, u"101"_s, u"102"_s, u"103"_s, u"104"_s,
                                                       u"201"_s, u"202"_s});
        QTest::newRow("cancelled") << u"cboSaleYn"_s << u"C"_s << QStringList({u"104"_s});
        QTest::newRow("location") << u"cboLocation"_s << u"S"_s << QStringList({u"201"_s, u"202"_s});
        QTest::newRow("zone") << u"cboAreaZone"_s << u"B"_s << QStringList({u"9"_s, u"10"_s, u"201"_s, u"202"_s});
        QTest::newRow("type") << u"cboLockerType"_s << u"2"_s << QStringList({u"201"_s, u"202"_s});
    }
    void lockerListFilters()
    {
        QFETCH(QString, control);
        QFETCH(QString, value);
        QFETCH(QStringList, lockers);
        ShownScreen<TfrmEHS030> list;
        auto *season = list.find<QLineEdit>(u"edtSeasonYear"_s);
        QCOMPARE(season->text(), u"2010"_s);
        season->setText(u"2026"_s);
        if (!control.isEmpty())
            list.find<CodeCombo>(control)->setCode(value);
        list.press(Qt::Key_F3);
        const GridModel *rows = list->findChild<GridModel *>();
        QVERIFY(rows);
        QVERIFY(!list.find<GridView>(u"rgrGrid"_s)->isFooterVisible());
        QCOMPARE(column(*rows, u"LOCKER_NO"_s), lockers);
    }

    // The summary opens with its file and the two dates as they stand,
    // the end before the start too.
    void summaryParameters()
    {
        ShownScreen<TfrmEHS040> summary;
        summary.find<DateEdit>(u"dtpFromDate"_s)->setDate(QDate(2026, 12, 31));
        summary.find<DateEdit>(u"dtpToDate"_s)->setDate(QDate(2026, 12, 1));
        QCOMPARE(summary->ReportParameters(), u"/rp [20261231] [20261201]"_s);
        QVERIFY(summary->ReportLocation().endsWith(u"시즌락카판매집계.mrd"_s));
        for (const QString &button : {u"bbtPrint"_s, u"bbtPreview"_s, u"bbtExcel"_s, u"bbtCancel"_s})
            QVERIFY2(!summary.find<QPushButton>(button)->isVisible(), qPrintable(button));
        summary.press(Qt::Key_F3);
        QCOMPARE(summary->Viewer()->calls(),
                 QStringList({u"AutoAdjust 0"_s, u"ZoomRatio 90"_s,
                              u"Open "_s + summary->ReportLocation() + u" /rp [20261231] [20261201]"_s}));
    }

private:
    void openBlocks()
    {
        QVERIFY(m_blocks.open());
        m_blocks.find<QLineEdit>(u"edtSeasonYear"_s)->setText(u"2026"_s);
        m_blocks.press(Qt::Key_F3);
    }
    void openSales()
    {
        QVERIFY(m_sales.open());
        m_sales.find<QLineEdit>(u"edtSeasonYear"_s)->setText(u"2026"_s);
        m_sales.press(Qt::Key_F3);
        QVERIFY2(m_boxes->boxes.isEmpty(), qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(m_sales->Rows().rowCount(), 8);
    }
    void setSearchValue(QWidget *screen, const QString &control, const QString &value)
    {
        screen->findChild<QLineEdit *>(u"edtSeasonYear"_s)->setText(u"2026"_s);
        QWidget *w = screen->findChild<QWidget *>(control);
        QVERIFY2(w, qPrintable(control));
        if (auto *combo = qobject_cast<CodeCombo *>(w))
            combo->setCode(value);
        else
            static_cast<QLineEdit *>(w)->setText(value);
    }
    // Types a detail field as the operator does: the whole text anew.
    void typeInto(const QString &name, const QString &text)
    {
        auto *edit = m_sales.find<QLineEdit>(name);
        QVERIFY2(edit && edit->isEnabled(), qPrintable(name));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        edit->setCursorPosition(0);
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 0x80;
        if (ascii) {
            QTest::keyClicks(edit, text);
        } else {
            // Hangul arrives whole, as the input method commits it.
            edit->insert(text);
            emit edit->textEdited(edit->text());
        }
    }
    QString saleAmount() const
    {
        return m_sales->Rows().value(m_sales->Grid()->currentRow(), u"SALE_AMT"_s);
    }
    int rowOf(const QString &locker) const
    {
        const GridModel &rows = m_sales->Rows();
        for (int row = 0; row < rows.rowCount(); ++row)
            if (rows.value(row, u"LOCKER_NO"_s) == locker)
                return row;
        return -1;
    }
    static QStringList column(const GridModel &rows, const QString &field)
    {
        QStringList values;
        for (int row = 0; row < rows.rowCount(); ++row)
            values.append(rows.value(row, field));
        return values;
    }
    QString lockerCount() const { return m_db->adminScalar(u"SELECT count(*) FROM ktuser.eh020ms"_s); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmEHI010> m_blocks{openLater};
    ShownScreen<TfrmEHI020> m_sales{openLater};
    ShownScreen<TfrmEHI040> m_penalties{openLater};
};

QTEST_MAIN(TestLockers)
#include "tst_lockers.moc"
