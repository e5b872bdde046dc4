#include "CodeCombo.h"
#include "ECS090.h"
#include "ECS100.h"
#include "ECS120.h"
#include "ECS160.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "ListLayout.h"
#include "RecordingModal.h"
#include "ReportPreview.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Assignments of E1001 on three days of December and one in November,
// E1002 on one day; club enrolments 5, 10, 15, 20 and 25 of season 26;
// school receipts 1 (1 December) and 2 (5 December) of season 26, each with
// a trainee; two lesson days of partner group 4400000001.
const QString Fixture =
    u"INSERT INTO ktuser.ec030ms (lecture_date, lecturer_emp_no, area_gubun, lecture_detail_gubun, lecturer_name,"
    " lecture_item_gubun, lecture_rec_gubun) VALUES"
    " ('20261203', 'E1001', 'M', '01', '정강사', '01', '01'), ('20261201', 'E1001', 'M', '01', '정강사', '01', '01'),"
    " ('20261202', 'E1001', 'S', '02', '정강사', '02', '02'), ('20261115', 'E1001', 'M', '01', '정강사', '01', '01'),"
    " ('20261202', 'E1002', 'M', '03', '한보드', '02', '01');"
    "INSERT INTO ktuser.ec010ms (season_gubun, lecture_no, trainer_name, enter_date, id_no)"
    " SELECT '26', n, '수강' || n, '20261201', kest_private.enc('9501011234567') FROM unnest(ARRAY[5, 10, 15, 20, 25]) n;"
    "INSERT INTO ktuser.ec020ms (season_gubun, receipt_no, enter_date, receipt_name) VALUES"
    " ('26', '0000000001', '20261201', '일접수'), ('26', '0000000002', '20261205', '이접수');"
    "INSERT INTO ktuser.ec020dt (season_gubun, receipt_no, receipt_seq, trainer_name) VALUES"
    " ('26', '0000000001', 1, '가'), ('26', '0000000002', 1, '나');"
    "INSERT INTO ktuser.ec080ms (event_no, lecture_date, trainer_cnt_ski_am, lecturer_cnt_ski_am) VALUES"
    " ('4400000001', '20261220', 5, 2);"
    "INSERT INTO ktuser.ec080ms (event_no, lecture_date, trainer_cnt_board_nt, trainer_cnt_baby_dn,"
    " lecturer_cnt_baby_dn) VALUES ('4400000001', '20261221', 3, 4, 1)"_s;

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

void Type(QWidget *screen, const QString &name, const QString &text)
{
    auto *edit = screen->findChild<QLineEdit *>(name);
    if (!edit)
        qFatal("no edit %s", qPrintable(name));
    edit->setText(text);
}

} // namespace

// The lesson lists: their checks, shapes, sums and printed conditions.
class TestLessonReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->loadLookups();
        m_db->adminExec(u"INSERT INTO ktuser.bb010ms (member_no, member_name, member_group_code, cancel_date) VALUES"
                        " ('4400000001', '한빛전자 스키동호회', '44', NULL), ('4400000002', '푸른대학교 스키부', '44', NULL),"
                        " ('4400000003', '옛날여행사', '44', '20051231') ON CONFLICT DO NOTHING"_s);
        m_db->adminExec(u"TRUNCATE ktuser.ec030ms, ktuser.ec010ms, ktuser.ec020dt, ktuser.ec080ms;"
                        "DELETE FROM ktuser.ec020ms"_s);
        m_db->adminExec(Fixture);
    }
    void cleanupTestCase() { m_db.reset(); }
    void init() { m_boxes = std::make_unique<RecordingModal>(); }
    void cleanup()
    {
        m_club.reset();
        m_school.reset();
        m_period.reset();
        m_groups.reset();
        m_boxes.reset();
    }

    // Each instructor's assignments, then a yellow subtotal row with their
    // number; the footer counts assignment lines only.
    void periodSubtotals()
    {
        QVERIFY(m_period.open());
        Type(m_period.get(), u"wmeDateFrom"_s, u"20261201"_s);
        Type(m_period.get(), u"wmeDateTo"_s, u"20261231"_s);
        m_period.press(Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList());
        const GridModel &rows = *m_period->findChild<GridView *>()->gridModel();
        QCOMPARE(Column(rows, u"DIS_LECTURER_EMP_NO"_s),
                 (QStringList{u"E1001"_s, u"E1001"_s, u"E1001"_s, u" "_s, u"E1002"_s, u" "_s}));
        QCOMPARE(Column(rows, u"LECTURE_ITEM_GUBUN_NAME"_s).at(3), u"소계"_s);
        QCOMPARE(Column(rows, u"LECTURE_REC_GUBUN_NAME"_s).at(3), u"3"_s);
        QCOMPARE(Column(rows, u"LECTURE_REC_GUBUN_NAME"_s).at(5), u"1"_s);
        auto *grid = m_period->findChild<GridView *>();
        QCOMPARE(grid->rowColour(3).background, QColor(Qt::yellow));
        QCOMPARE(grid->rowColour(0).background, QColor());
        QCOMPARE(rows.footer(rows.columnOf(u"LECTURE_REC_GUBUN_NAME"_s)), u"4"_s);

        const report::Document shown = preview(m_period.get());
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[0])),
                 QStringList{u"*출역일자: 2026-12-01  ∼  2026-12-31"_s});
        QVERIFY2(Texts(shown.pages.first().items).contains(u"합계"_s), "no summary label");
    }

    // Open ends take every date on their side.
    void periodOpenEnds()
    {
        QVERIFY(m_period.open());
        Type(m_period.get(), u"wmeDateTo"_s, u"20261130"_s);
        m_period.press(Qt::Key_F3);
        const GridModel &rows = *m_period->findChild<GridView *>()->gridModel();
        QCOMPARE(rows.rowCount(), 2); // the November assignment and its subtotal
        QCOMPARE(rows.footer(rows.columnOf(u"LECTURE_REC_GUBUN_NAME"_s)), u"1"_s);
        const report::Document shown = preview(m_period.get());
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[0])), QStringList{u"*출역일자: [전체]  ∼  2026-11-30"_s});
    }

    // Checks of the search bars: a date that is none, letters in a number range.
    void searchChecks_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("the 30th of February") << u"ECS120"_s << u"wmeDateFrom"_s << u"20270230"_s
                                              << u"*출역일자을(를) 정확히 입력하십시오."_s;
        QTest::newRow("letters in a club number") << u"ECS090"_s << u"edtLectureNoFrom"_s << u"1O"_s
                                                  << u"수강번호을(를) 정확히 입력하십시오."_s;
        QTest::newRow("a sign in a club number") << u"ECS090"_s << u"edtLectureNoTo"_s << u"-5"_s
                                                 << u"수강번호을(를) 정확히 입력하십시오."_s;
        QTest::newRow("letters in a receipt number") << u"ECS100"_s << u"edtReceiptNoTo"_s << u"abc"_s
                                                     << u"접수번호을(를) 정확히 입력하십시오."_s;
        QTest::newRow("no partner group") << u"ECS160"_s << u"edtEventNo"_s << u""_s
                                          << u"*제휴단체번호을(를) 먼저 입력하십시오."_s;
        QTest::newRow("a cancelled partner group") << u"ECS160"_s << u"edtEventNo"_s << u"4400000003"_s
                                                   << u"*제휴단체번호을(를) 정확히 입력하십시오."_s;
    }
    void searchChecks()
    {
        QFETCH(QString, screen);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QWidget *shown = nullptr;
        if (screen == u"ECS120"_s) {
            QVERIFY(m_period.open());
            shown = m_period.get();
        } else if (screen == u"ECS090"_s) {
            QVERIFY(m_club.open());
            shown = m_club.get();
            Type(shown, u"edtSeason"_s, u"26"_s);
        } else if (screen == u"ECS100"_s) {
            QVERIFY(m_school.open());
            shown = m_school.get();
            Type(shown, u"edtSeason"_s, u"26"_s);
            shown->findChild<CodeCombo *>(u"cboCondition"_s)->setCurrentIndex(2);
        } else {
            QVERIFY(m_groups.open());
            shown = m_groups.get();
        }
        Type(shown, field, value);
        QTest::keyClick(shown, Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(InputControlOf(QApplication::focusWidget()), shown->findChild<QWidget *>(field));
    }

    // The club list's number range, printed with its open ends.
    void clubRange_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("line");
        QTest::newRow("both ends") << u"10"_s << u"20"_s
                                   << QStringList{u"00000010"_s, u"00000015"_s, u"00000020"_s}
                                   << u"수강번호: 10  ∼  20"_s;
        QTest::newRow("both open") << u""_s << u""_s
                                   << QStringList{u"00000005"_s, u"00000010"_s, u"00000015"_s, u"00000020"_s,
                                                  u"00000025"_s}
                                   << u"수강번호: [전체]  ∼  [전체]"_s;
        QTest::newRow("lower only") << u"20"_s << u""_s << QStringList{u"00000020"_s, u"00000025"_s}
                                    << u"수강번호: 20  ∼  [전체]"_s;
    }
    void clubRange()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, numbers);
        QFETCH(QString, line);
        QVERIFY(m_club.open());
        Type(m_club.get(), u"edtSeason"_s, u"26"_s);
        Type(m_club.get(), u"edtLectureNoFrom"_s, from);
        Type(m_club.get(), u"edtLectureNoTo"_s, to);
        m_club.press(Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList());
        const GridModel &rows = *m_club->findChild<GridView *>()->gridModel();
        QCOMPARE(Column(rows, u"LECTURE_NO"_s), numbers);
        QCOMPARE(rows.value(0, u"ID_NO"_s), u"950101-1234567"_s); // read through the key, never as stored
        const report::Document shown = preview(m_club.get());
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[1])), QStringList{line});
    }

    // The school list by registration date with only the upper end, and by
    // receipt number compared as a number.
    void schoolConditions_data()
    {
        QTest::addColumn<int>("condition");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("receipts");
        QTest::addColumn<QString>("line");
        QTest::newRow("registered up to a date") << 1 << u""_s << u"20261201"_s << QStringList{u"0000000001"_s}
                                                 << u"[전체]  ∼  2026-12-01"_s;
        QTest::newRow("receipts as numbers") << 2 << u"2"_s << u"02"_s << QStringList{u"0000000002"_s}
                                             << u"2  ∼  02"_s;
        QTest::newRow("everything") << 0 << u""_s << u""_s << QStringList{u"0000000001"_s, u"0000000002"_s}
                                    << u""_s;
    }
    void schoolConditions()
    {
        QFETCH(int, condition);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, receipts);
        QFETCH(QString, line);
        QVERIFY(m_school.open());
        Type(m_school.get(), u"edtSeason"_s, u"26"_s);
        m_school->findChild<CodeCombo *>(u"cboCondition"_s)->setCurrentIndex(condition);
        const QString prefix = condition == 1 ? u"wmeEnterDate"_s : u"edtReceiptNo"_s;
        if (condition != 0) {
            Type(m_school.get(), prefix + u"From"_s, from);
            Type(m_school.get(), prefix + u"To"_s, to);
        }
        m_school.press(Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList());
        const GridModel &rows = *m_school->findChild<GridView *>()->gridModel();
        QCOMPARE(Column(rows, u"RECEIPT_NO"_s), receipts);
        const report::Document shown = preview(m_school.get());
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[2])).join(QString()), line);
    }

    // Per day: the twelve trainee counts summed, the twelve instructor
    // counts, all 24; a count never entered adds as 0. Paper heads the two
    // blocks and carries the same sums.
    void partnerGroupSums()
    {
        m_db->adminExec(u"ALTER TABLE ktuser.ec080ms ALTER COLUMN trainer_cnt_ski_pm DROP NOT NULL;"
                        "UPDATE ktuser.ec080ms SET trainer_cnt_ski_pm = NULL WHERE lecture_date = '20261220'"_s);
        QVERIFY(m_groups.open());
        Type(m_groups.get(), u"edtEventNo"_s, u"4400000001"_s);
        m_groups.press(Qt::Key_F3);
        m_db->adminExec(u"UPDATE ktuser.ec080ms SET trainer_cnt_ski_pm = 0;"
                        "ALTER TABLE ktuser.ec080ms ALTER COLUMN trainer_cnt_ski_pm SET NOT NULL"_s);
        QCOMPARE(m_boxes->texts(), QStringList());
        const GridModel &rows = *m_groups->findChild<GridView *>()->gridModel();
        QCOMPARE(Column(rows, u"LECTURE_DATE"_s), (QStringList{u"2026-12-20"_s, u"2026-12-21"_s}));
        QCOMPARE(Column(rows, u"TRAINER_SUM"_s), (QStringList{u"5"_s, u"7"_s}));
        QCOMPARE(Column(rows, u"LECTURER_SUM"_s), (QStringList{u"2"_s, u"1"_s}));
        QCOMPARE(Column(rows, u"TOT_SUM"_s), (QStringList{u"7"_s, u"8"_s}));
        QCOMPARE(rows.column(rows.columnOf(u"TRAINER_CNT_SKI_AM"_s)).group, u"강습생"_s);
        QCOMPARE(rows.column(rows.columnOf(u"LECTURER_SUM"_s)).group, u"강사"_s);

        const report::Document shown = preview(m_groups.get());
        const QStringList texts = Texts(shown.pages.first().items);
        QVERIFY(texts.contains(u"강        습        생"_s));
        QVERIFY(texts.contains(u"강사"_s));
        QVERIFY(texts.contains(u"스 키\n오전"_s) || texts.contains(u"스 키"_s));
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[0])), QStringList{u"제휴단체명: 한빛전자 스키동호회"_s});
        QCOMPARE(texts.count(u"7"_s) >= 2, true); // the first day's total and the second's trainees
        QVERIFY(texts.contains(u"8"_s));
    }

private:
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
    ShownScreen<TfrmECS090> m_club{openLater};
    ShownScreen<TfrmECS100> m_school{openLater};
    ShownScreen<TfrmECS120> m_period{openLater};
    ShownScreen<TfrmECS160> m_groups{openLater};
};

QTEST_MAIN(TestLessonReports)
#include "tst_lesson_reports.moc"
