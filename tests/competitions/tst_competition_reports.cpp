#include "CodeCombo.h"
#include "EDS040.h"
#include "EDS050.h"
#include "EDS060.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "ListLayout.h"
#include "RecordingModal.h"
#include "ReportPreview.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate TestDay(2026, 12, 20);

// Entrants 000012, 000013 and 000021 of season 26 (000013 and 000021
// judged on the test day), and one of season 25.
const QString Fixture =
    u"INSERT INTO ktuser.ed020ms (season_gubun, recv_no, apply_date, entry_name_kor, entry_name_chi, id_no,"
    " mobile_no, home_zip_code, home_addr1, home_addr2, home_tel_no, apply_class, apply_amt, email) VALUES"
    " ('26', 12, '20261201', '김하나둘', '金', kest_private.enc('8001011234567'), kest_private.enc('010-1111-2222'),"
    "  '123456', kest_private.enc('서울특별시 강남구 역삼동 '), kest_private.enc('1동 101호'),"
    "  kest_private.enc('02-111-2222'), '02', 1500000, 'one@example.com'),"
    " ('26', 13, '20261205', '이하나', NULL, kest_private.enc('8102022345678'), kest_private.enc('010-3333-4444'),"
    "  NULL, NULL, NULL, NULL, '03', 120000, NULL),"
    " ('26', 21, '20261210', '박셋', NULL, kest_private.enc('8203032345678'), kest_private.enc('010-5555-6666'),"
    "  NULL, NULL, NULL, NULL, '01', NULL, NULL),"
    " ('25', 13, '20251205', '최작년하나', NULL, kest_private.enc('7001011234567'), kest_private.enc('010'),"
    "  NULL, NULL, NULL, NULL, '01', 1, NULL);"
    "INSERT INTO ktuser.ed010ms (game_date, seq_no, game_name, slope, slope_amt, tel_no) VALUES"
    " ('20261220', 2, '둘째 대회', '05', 3500000, kest_private.enc('02-555-1234')),"
    " ('20261220', 1, '첫 대회', '01', 0, NULL), ('20261221', 1, '다른 날', NULL, NULL, NULL)"_s;

// A judging row of entrant `number` with its eighteen scores (NULL: missing).
QString Judging(int number, const QList<QVariant> &scores)
{
    QStringList values;
    for (const QVariant &score : scores)
        values << (score.isNull() ? u"NULL"_s : QString::number(score.toInt()));
    return u"INSERT INTO ktuser.ed020dt (season_gubun, examine_date, recv_no, examiner_a, pflug_bogen_a, stem_turn_a,"
           " parallel_turn_a, wedern_turn_a, middle_turn_a, gen_descent_a, examiner_b, pflug_bogen_b, stem_turn_b,"
           " parallel_turn_b, wedern_turn_b, middle_turn_b, gen_descent_b, examiner_c, pflug_bogen_c, stem_turn_c,"
           " parallel_turn_c, wedern_turn_c, middle_turn_c, gen_descent_c) VALUES ('26', '20261220', %1, '가', %2,"
           " '나', %3, '다', %4)"_s.arg(QString::number(number), values.mid(0, 6).join(u", "_s),
                                       values.mid(6, 6).join(u", "_s), values.mid(12, 6).join(u", "_s));
}

QStringList Texts(const QList<report::PageItem> &items)
{
    QStringList out;
    for (const report::PageItem &item : items)
        out << item.text;
    return out;
}

QStringList Column(const GridModel &grid, const QString &field)
{
    QStringList values;
    for (int r = 0; r < grid.rowCount(); ++r)
        values << grid.value(r, field);
    return values;
}

using Scores = QList<QVariant>;

} // namespace

// The competition and badge test lists, their conditions and their pages.
class TestCompetitionReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminExec(Fixture);
    }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        m_db->adminExec(u"TRUNCATE ktuser.ed020dt"_s);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_competitions.reset();
        m_entrants.reset();
        m_judging.reset();
        m_boxes.reset();
    }

    // Each judge's six scores add up, all eighteen too, and the average is
    // their sum over three to one decimal; a missing score empties its
    // judge's total, the overall total and the average.
    void scoreTotals_data()
    {
        QTest::addColumn<Scores>("scores");
        QTest::addColumn<QString>("totals"); // A|B|C|total|average
        QTest::newRow("the worked example")
            << Scores{7, 8, 6, 9, 7, 8, 8, 8, 7, 9, 8, 8, 7, 7, 7, 8, 8, 9} << u"45|48|46|139|46.3"_s;
        QTest::newRow("two thirds round up")
            << Scores{7, 8, 6, 9, 7, 9, 8, 8, 7, 9, 8, 8, 7, 7, 7, 8, 8, 9} << u"46|48|46|140|46.7"_s;
        QTest::newRow("a whole average keeps its decimal")
            << Scores{5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5} << u"30|30|30|90|30.0"_s;
        QTest::newRow("nothing scored") << Scores(18, 0) << u"0|0|0|0|0.0"_s;
        QTest::newRow("highest scores") << Scores(18, 999) << u"5994|5994|5994|17982|5994.0"_s;
        QTest::newRow("one score missing")
            << Scores{7, 8, 6, 9, 7, 8, 8, 8, QVariant(), 9, 8, 8, 7, 7, 7, 8, 8, 9} << u"45||46||"_s;
    }
    void scoreTotals()
    {
        QFETCH(Scores, scores);
        QFETCH(QString, totals);
        m_db->adminExec(Judging(13, scores));
        openJudging();
        QCOMPARE(Column(rows(m_judging.get()), u"RECV_NO"_s), QStringList{u"000013"_s});
        QStringList shown;
        for (const QString &field : {u"A_SCORE"_s, u"B_SCORE"_s, u"C_SCORE"_s, u"TOT_SCORE"_s, u"AVG_SCORE"_s})
            shown << rows(m_judging.get()).value(0, field);
        QCOMPARE(shown.join(u'|'), totals);
    }

    // The number range: open ends list every judged entrant of the season
    // and day and print "[전체]"; digits only, else the field says so.
    void judgingNumberRange_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("refusedIn");
        QTest::newRow("open both ends") << QString() << QString() << QStringList{u"000013"_s, u"000021"_s}
                                        << u"접수번호: [전체]  ∼  [전체]"_s << QString();
        QTest::newRow("open upper end") << u"14"_s << QString() << QStringList{u"000021"_s}
                                        << u"접수번호: 14  ∼  [전체]"_s << QString();
        QTest::newRow("one number") << u"000013"_s << u"13"_s << QStringList{u"000013"_s}
                                    << u"접수번호: 000013  ∼  13"_s << QString();
        QTest::newRow("letters at the start") << u"1a"_s << QString() << QStringList() << QString()
                                              << u"edtRecvNoFrom"_s;
        QTest::newRow("a sign at the end") << QString() << u"-5"_s << QStringList() << QString() << u"edtRecvNoTo"_s;
    }
    void judgingNumberRange()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, numbers);
        QFETCH(QString, line);
        QFETCH(QString, refusedIn);
        m_db->adminExec(Judging(13, Scores(18, 1)));
        m_db->adminExec(Judging(21, Scores(18, 2)));
        QVERIFY(m_judging.open());
        auto *screen = m_judging.get();
        screen->findChild<QLineEdit *>(u"edtSeason"_s)->setText(u"26"_s);
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(TestDay);
        screen->findChild<QLineEdit *>(u"edtRecvNoFrom"_s)->setText(from);
        screen->findChild<QLineEdit *>(u"edtRecvNoTo"_s)->setText(to);
        QTest::keyClick(screen, Qt::Key_F3);
        if (!refusedIn.isEmpty()) {
            QCOMPARE(m_boxes->texts(), QStringList{u"접수번호을(를) 정확히 입력하십시오."_s});
            QCOMPARE(QApplication::focusWidget(), screen->findChild<QWidget *>(refusedIn));
            return;
        }
        QCOMPARE(m_boxes->texts(), QStringList());
        QCOMPARE(Column(rows(screen), u"RECV_NO"_s), numbers);
        const report::Document shown = preview(screen);
        QCOMPARE(shown.id, u"EDP060"_s);
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[0])), QStringList{u"*시즌: 2026-2027 시즌"_s});
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[1])), QStringList{u"*심사일자: 2026-12-20"_s});
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[2])), QStringList{line});
    }

    // The judging list groups its heads under each judge, in the grid and on paper.
    void judgingHeadsAreGrouped()
    {
        m_db->adminExec(Judging(13, Scores(18, 1)));
        openJudging();
        const GridModel &grid = rows(m_judging.get());
        QStringList groups;
        for (const ColumnDef &column : grid.columns())
            if (!column.group.isEmpty() && !groups.contains(column.group))
                groups << column.group;
        QCOMPARE(groups, (QStringList{u"심사자(A)"_s, u"심사자(B)"_s, u"심사자(C)"_s}));
        QCOMPARE(grid.headerData(grid.columnOf(u"STEM_TURN_B"_s), Qt::Horizontal).toString(), u"슈텐턴"_s);
        QCOMPARE(grid.headerData(grid.columnOf(u"B_SCORE"_s), Qt::Horizontal, GridModel::GroupRole).toString(),
                 u"심사자(B)"_s);
        QVERIFY(m_judging->findChild<GridView *>()->horizontalHeader()->height() > GridView::HeaderHeight);
        const report::Document shown = preview(m_judging.get());
        QStringList texts;
        for (const report::PageItem &item : shown.pages.first().items)
            texts << item.text;
        for (const QString &head : {u"심 사 자(A)"_s, u"심 사 자(B)"_s, u"심 사 자(C)"_s, u"프로\n그보\n겐"_s,
                                    u"페러\n럴턴"_s, u"총점"_s, u"평균"_s, u"건수: 1"_s})
            QVERIFY2(texts.contains(head), qPrintable(head));
    }

    // Each choice of the condition list shows its page, adds its one line
    // to the query with the values bound, and prints its bare condition.
    void entrantConditions_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QStringList>("values"); // the page's fields, in order
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("line2");
        QTest::addColumn<QString>("line3");
        QTest::newRow("all") << 0 << QStringList() << QStringList{u"000012"_s, u"000013"_s, u"000021"_s}
                             << u"검색조건: [ 전 체 ]"_s << QString();
        QTest::newRow("numbers") << 1 << QStringList{u"13"_s, u"21"_s} << QStringList{u"000013"_s, u"000021"_s}
                                 << u"검색조건: 접수번호"_s << u"13  ∼  21"_s;
        QTest::newRow("numbers, open lower end") << 1 << QStringList{QString(), u"12"_s}
                                                 << QStringList{u"000012"_s} << u"검색조건: 접수번호"_s
                                                 << u"[전체]  ∼  12"_s;
        QTest::newRow("numbers, both ends open") << 1 << QStringList{QString(), QString()}
                                                 << QStringList{u"000012"_s, u"000013"_s, u"000021"_s}
                                                 << u"검색조건: 접수번호"_s << u"[전체]  ∼  [전체]"_s;
        QTest::newRow("a name fragment anywhere") << 2 << QStringList{u"하나"_s}
                                                  << QStringList{u"000012"_s, u"000013"_s} << u"검색조건: 참가자명"_s
                                                  << u"하나"_s;
        QTest::newRow("a percent sign is a letter") << 2 << QStringList{u"%"_s} << QStringList()
                                                    << u"검색조건: 참가자명"_s << u"%"_s;
        QTest::newRow("dates") << 3 << QStringList{u"20261202"_s, u"20261210"_s}
                               << QStringList{u"000013"_s, u"000021"_s} << u"검색조건: 신청일"_s
                               << u"2026-12-02  ∼  2026-12-10"_s;
        QTest::newRow("dates, open upper end") << 3 << QStringList{u"20261206"_s, QString()}
                                               << QStringList{u"000021"_s} << u"검색조건: 신청일"_s
                                               << u"2026-12-06  ∼  [전체]"_s;
    }
    void entrantConditions()
    {
        QFETCH(int, choice);
        QFETCH(QStringList, values);
        QFETCH(QStringList, numbers);
        QFETCH(QString, line2);
        QFETCH(QString, line3);
        QVERIFY(m_entrants.open());
        auto *screen = m_entrants.get();
        screen->findChild<QLineEdit *>(u"edtSeason"_s)->setText(u"26"_s);
        auto *condition = screen->findChild<CodeCombo *>(u"cboCondition"_s);
        QCOMPARE(condition->count(), 4);
        condition->setCurrentIndex(choice);
        // What a page left behind held is gone, even a date that is none.
        if (choice != 3) {
            condition->setCurrentIndex(3);
            screen->findChild<QLineEdit *>(u"wmeApplyDateFrom"_s)->setText(u"20261399"_s);
            condition->setCurrentIndex(choice);
            QCOMPARE(screen->findChild<MaskEdit *>(u"wmeApplyDateFrom"_s)->plainText().trimmed(), QString());
        }
        auto *pages = screen->findChild<QStackedWidget *>(u"panCondition"_s);
        QCOMPARE(pages->currentIndex(), choice);
        static const QList<QStringList> pageFields = {
            {}, {u"edtRecvNoFrom"_s, u"edtRecvNoTo"_s}, {u"edtEntryNameKor"_s},
            {u"wmeApplyDateFrom"_s, u"wmeApplyDateTo"_s}};
        for (int i = 0; i < values.size(); ++i) {
            auto *edit = screen->findChild<QLineEdit *>(pageFields.at(choice).at(i));
            QVERIFY(pages->currentWidget()->isAncestorOf(edit));
            edit->setText(values.at(i));
        }
        QTest::keyClick(screen, Qt::Key_F3);
        if (numbers.isEmpty()) {
            QCOMPARE(m_boxes->texts(), QStringList{u"조회할 내용이 없습니다."_s});
            return;
        }
        QCOMPARE(m_boxes->texts(), QStringList());
        QCOMPARE(Column(rows(screen), u"RECV_NO"_s), numbers);
        const QString sql = screen->ContractSql().constFirst();
        QCOMPARE(sql, TfrmEDS050::ListSql(choice));
        const report::Document shown = preview(screen);
        QCOMPARE(shown.id, u"EDP050"_s);
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[0])), QStringList{u"*시즌: 2026-2027 시즌"_s});
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[1])), QStringList{line2});
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[2])), QStringList{line3});
    }

    // The entrant list reads personal values readable and shows the current
    // entrant's details under the list.
    void entrantDetails()
    {
        QVERIFY(m_entrants.open());
        auto *screen = m_entrants.get();
        screen->findChild<QLineEdit *>(u"edtSeason"_s)->setText(u"26"_s);
        QTest::keyClick(screen, Qt::Key_F3);
        const GridModel &grid = rows(screen);
        QCOMPARE(grid.value(0, u"ID_NO"_s), u"800101-1234567"_s);
        QCOMPARE(grid.value(0, u"APPLY_DATE"_s), u"2026-12-01"_s);
        QCOMPARE(grid.value(0, u"APPLY_AMT"_s), u"1,500,000"_s);
        QCOMPARE(grid.value(0, u"APPLY_CLASS"_s), u"2급"_s);
        QCOMPARE(screen->findChild<QLabel *>(u"wlbHomeZipCode"_s)->text(), u"123-456"_s);
        QCOMPARE(screen->findChild<QLabel *>(u"wlbHomeAddr2"_s)->text(), u"1동 101호"_s);
        QCOMPARE(screen->findChild<QLabel *>(u"wlbHomeTelNo"_s)->text(), u"02-111-2222"_s);
        QCOMPARE(screen->findChild<QLabel *>(u"wlbEntryNameChi"_s)->text(), u"金"_s);
        screen->findChild<GridView *>()->setCurrentRow(1);
        QCOMPARE(screen->findChild<QLabel *>(u"wlbHomeAddr2"_s)->text(), QString());
        QCOMPARE(screen->findChild<QLabel *>(u"wlbEntryNameChi"_s)->text(), QString());
    }

    // Unknown or empty seasons are refused before the list is read.
    void seasonChecks_data()
    {
        QTest::addColumn<bool>("judging");
        QTest::addColumn<QString>("season");
        QTest::addColumn<QString>("message");
        for (const bool judging : {false, true}) {
            const char *screen = judging ? "judging" : "entrants";
            QTest::addRow("%s, empty", screen) << judging << QString() << u"*시즌을(를) 먼저 입력하십시오."_s;
            QTest::addRow("%s, unknown", screen) << judging << u"99"_s << u"*시즌을(를) 정확히 입력하십시오."_s;
        }
    }
    void seasonChecks()
    {
        QFETCH(bool, judging);
        QFETCH(QString, season);
        QFETCH(QString, message);
        QWidget *screen = nullptr;
        if (judging) {
            QVERIFY(m_judging.open());
            screen = m_judging.get();
        } else {
            QVERIFY(m_entrants.open());
            screen = m_entrants.get();
        }
        auto *edit = screen->findChild<QLineEdit *>(u"edtSeason"_s);
        edit->setText(season);
        QTest::keyClick(screen, Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(QApplication::focusWidget(), edit);
    }

    // The competitions of a day in number order, the fee with thousands
    // separators on the screen and on paper, the contact readable.
    void competitionsOfADay()
    {
        QVERIFY(m_competitions.open());
        auto *screen = m_competitions.get();
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(TestDay);
        QTest::keyClick(screen, Qt::Key_F3);
        const GridModel &grid = rows(screen);
        QCOMPARE(Column(grid, u"GAME_NAME"_s), (QStringList{u"첫 대회"_s, u"둘째 대회"_s}));
        QCOMPARE(Column(grid, u"SLOPE_AMT"_s), (QStringList{u"0"_s, u"3,500,000"_s}));
        QCOMPARE(grid.value(1, u"TEL_NO"_s), u"02-555-1234"_s);
        QCOMPARE(grid.value(1, u"SLOPE"_s), u"독수리(상급)"_s);
        const report::Document shown = preview(screen);
        QCOMPARE(shown.id, u"EDP040"_s);
        QStringList texts;
        for (const report::PageItem &item : shown.pages.first().items)
            texts << item.text;
        QVERIFY(texts.contains(u"3,500,000"_s));
        QVERIFY(texts.contains(u"건수: 2"_s));
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[0])), QStringList{u"*대회일자: 2026-12-20"_s});
    }

private:
    static GridModel &rows(QWidget *screen) { return *screen->findChild<GridView *>()->gridModel(); }

    void openJudging()
    {
        QVERIFY(m_judging.open());
        m_judging->findChild<QLineEdit *>(u"edtSeason"_s)->setText(u"26"_s);
        m_judging->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(TestDay);
        QTest::keyClick(m_judging.get(), Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList());
    }
    report::Document preview(QWidget *screen)
    {
        report::Document shown;
        m_boxes->dialogScript = [&](QDialog &dialog) {
            if (auto *preview = dynamic_cast<report::ReportPreview *>(&dialog))
                shown = preview->document();
            return int(QDialog::Rejected);
        };
        QTest::keyClick(screen, Qt::Key_F11, Qt::ShiftModifier);
        return shown;
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmEDS040> m_competitions{openLater};
    ShownScreen<TfrmEDS050> m_entrants{openLater};
    ShownScreen<TfrmEDS060> m_judging{openLater};
};

QTEST_MAIN(TestCompetitionReports)
#include "tst_competition_reports.moc"
