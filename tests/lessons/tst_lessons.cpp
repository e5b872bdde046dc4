#include "CodeCombo.h"
#include "CounterConnection.h"
#include "ECI010.h"
#include "ECI020.h"
#include "ECI030.h"
#include "ECI040.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Control name and value; a code list takes a code, an empty value empties it.
using Fields = QList<std::pair<QString, QString>>;

void Fill(QWidget *screen, const Fields &fields)
{
    for (const auto &[name, value] : fields) {
        QWidget *w = screen->findChild<QWidget *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        if (auto *combo = qobject_cast<CodeCombo *>(w)) {
            if (value.isEmpty())
                combo->setCurrentIndex(-1);
            else
                combo->setCode(value);
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            edit->setText(value);
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            memo->setPlainText(value);
        }
    }
}

Fields ValidEnrolment(const QString &name)
{
    return {{u"wmeEnterDate"_s, u"20261201"_s}, {u"edtTrainerName"_s, name},  {u"cboSex"_s, u"2"_s},
            {u"edtAge"_s, u"31"_s},             {u"wmeIdNo"_s, u"9501012234567"_s}, {u"edtTel"_s, u"02-111-2222"_s}};
}

// Types the season and searches by F3.
template <typename Screen>
void SearchSeason(ShownScreen<Screen> &screen, const QString &season)
{
    auto *edit = screen.template find<TextEdit>(u"edtSeason"_s);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, season);
}

} // namespace

class TestLessons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->loadLookups();
        m_db->adminExec(u"INSERT INTO ktuser.ec020ms (season_gubun, receipt_no, enter_date, receipt_name) VALUES "
                        "('26', '0000000001', '20261201', '일접수'), ('26', '0000000002', '20261202', NULL)"_s);
    }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        m_db->adminExec(u"TRUNCATE ktuser.ec010ms, ktuser.ec020dt, ktuser.ec030ms, ktuser.ec040ms, ktuser.ec050ms, "
                        "ktuser.ec050hs; DELETE FROM kest_private.counters WHERE series LIKE 'ec0%'"_s);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_club.reset();
        m_school.reset();
        m_assign.reset();
        m_places.reset();
        m_boxes.reset();
    }

    // The club's row check, in its order: each case leaves out or spoils one
    // field of a row that would pass, on top of those before it.
    void clubRowCheckOrder_data()
    {
        QTest::addColumn<Fields>("spoilt");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("date first") << Fields{{u"wmeEnterDate"_s, u""_s}, {u"edtTrainerName"_s, u""_s}}
                                    << u"*등록일자을(를) 먼저 입력하십시오."_s << u"wmeEnterDate"_s;
        QTest::newRow("no 31st of April") << Fields{{u"wmeEnterDate"_s, u"20260431"_s}, {u"edtAge"_s, u""_s}}
                                          << u"*등록일자을(를) 정확히 입력하십시오."_s << u"wmeEnterDate"_s;
        QTest::newRow("name before the personal number")
            << Fields{{u"edtTrainerName"_s, u""_s}, {u"wmeIdNo"_s, u""_s}} << u"*수강자명을(를) 먼저 입력하십시오."_s
            << u"edtTrainerName"_s;
        QTest::newRow("personal number before the phone")
            << Fields{{u"wmeIdNo"_s, u""_s}, {u"edtTel"_s, u""_s}} << u"*주민등록번호을(를) 먼저 입력하십시오."_s
            << u"wmeIdNo"_s;
        QTest::newRow("phone before the sex") << Fields{{u"edtTel"_s, u""_s}, {u"cboSex"_s, u""_s}}
                                              << u"*연락처(자택)을(를) 먼저 입력하십시오."_s << u"edtTel"_s;
        QTest::newRow("sex before the age") << Fields{{u"cboSex"_s, u""_s}, {u"edtAge"_s, u""_s}}
                                            << u"*성별을(를) 먼저 입력하십시오."_s << u"cboSex"_s;
        QTest::newRow("age last") << Fields{{u"edtAge"_s, u""_s}} << u"*나이을(를) 먼저 입력하십시오."_s
                                  << u"edtAge"_s;
    }
    void clubRowCheckOrder()
    {
        QFETCH(Fields, spoilt);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        openClub();
        Fill(m_club.get(), ValidEnrolment(u"김하나"_s));
        Fill(m_club.get(), spoilt);
        m_club.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(InputControlOf(QApplication::focusWidget()), m_club.find<QWidget>(focus));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ec010ms"_s), u"0"_s);
    }

    // A new enrolment goes without a number and comes back with the server's,
    // in eight digits; the optional fields may stay empty.
    void clubNumbersShownAfterTheSave()
    {
        openClub();
        Fill(m_club.get(), ValidEnrolment(u"김하나"_s));
        m_club.press(Qt::Key_F4);
        Fill(m_club.get(), ValidEnrolment(u"이둘"_s));
        m_club.press(Qt::Key_F2);
        QVERIFY2(m_boxes->boxes.size() == 1, qPrintable(m_boxes->texts().join(u" | "_s))); // the confirmation
        GridModel &rows = m_club->Rows();
        QCOMPARE(rows.rowCount(), 2);
        QCOMPARE(rows.value(0, u"LECTURE_NO"_s), u"00000001"_s);
        QCOMPARE(rows.value(1, u"LECTURE_NO"_s), u"00000002"_s);
        QCOMPARE(rows.value(1, u"TRAINER_NAME"_s), u"이둘"_s);
        QCOMPARE(m_club.find<QLabel>(u"wlbLectureNo"_s)->text(), u"00000002"_s); // the row saved last stays current
    }

    // Saving another field of a stored row leaves the personal columns as
    // they were stored, cipher and all.
    void personalNumberUnchangedByAnotherField()
    {
        openClub();
        Fill(m_club.get(), ValidEnrolment(u"김하나"_s));
        m_club.press(Qt::Key_F2);
        const QString sql = u"SELECT id_no || tel_no FROM ktuser.ec010ms"_s;
        const QString before = m_db->adminScalar(sql);
        QVERIFY(!before.isEmpty());
        Fill(m_club.get(), {{u"edtRemark"_s, u"비고만 바꿈"_s}});
        m_club.press(Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT remark FROM ktuser.ec010ms"_s), u"비고만 바꿈"_s);
        QCOMPARE(m_db->adminScalar(sql), before);
        QCOMPARE(m_club.find<MaskEdit>(u"wmeIdNo"_s)->plainText(), u"9501012234567"_s);
    }

    void schoolSearchChecks_data()
    {
        QTest::addColumn<QString>("season");
        QTest::addColumn<QString>("receipt");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no season") << QString() << QString() << u"*시즌을(를) 먼저 입력하십시오."_s << u"edtSeason"_s;
        QTest::newRow("season not in the group") << u"99"_s << u"1"_s << u"*시즌을(를) 정확히 입력하십시오."_s
                                                 << u"edtSeason"_s;
        QTest::newRow("no receipt") << u"26"_s << QString() << u"*접수번호을(를) 먼저 입력하십시오."_s
                                    << u"edtReceiptNo"_s;
        QTest::newRow("no such receipt") << u"26"_s << u"9"_s << u"*접수번호을(를) 정확히 입력하십시오."_s
                                         << u"edtReceiptNo"_s;
        QTest::newRow("a receipt without a name") << u"26"_s << u"2"_s << u"*접수번호을(를) 정확히 입력하십시오."_s
                                                  << u"edtReceiptNo"_s;
    }
    void schoolSearchChecks()
    {
        QFETCH(QString, season);
        QFETCH(QString, receipt);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QVERIFY(m_school.open());
        Fill(m_school.get(), {{u"edtSeason"_s, season}, {u"edtReceiptNo"_s, receipt}});
        m_school.press(Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QVERIFY(m_school->IsSearchMode());
        QCOMPARE(QApplication::focusWidget(), m_school.find<QWidget>(focus));
    }

    // A receipt without trainees offers one empty row; it is saved as the
    // receipt's first trainee, numbered by the server, with a 30-character
    // Hangul name and 500-character Hangul memos kept whole. The receipt is
    // found by its number as typed, without its leading zeros.
    void schoolReceiptWithoutTrainees()
    {
        searchSchool(u"1"_s);
        GridModel &rows = m_school->Rows();
        QCOMPARE(rows.rowCount(), 1);
        QVERIFY(!m_school.find<QPushButton>(u"bbtAdd"_s)->isVisible());
        QVERIFY(!m_school.find<QPushButton>(u"bbtDelete"_s)->isVisible());
        const QString name = QString(30, u'가');
        const QString memo = QString(500, u'한');
        auto *nameEdit = m_school.find<TextEdit>(u"edtTrainerName"_s);
        nameEdit->setFocus();
        nameEdit->insert(name + u"더"_s); // as the input method commits it
        QCOMPARE(nameEdit->text(), name);
        Fill(m_school.get(), {{u"cboLectureItem"_s, u"01"_s}, {u"cboLectureRec"_s, u"02"_s},
                              {u"memTrainTest"_s, memo + u"넘침"_s}, {u"edtRemark"_s, memo}});
        QCOMPARE(m_school.find<QPlainTextEdit>(u"memTrainTest"_s)->toPlainText(), memo); // no more is taken
        QCOMPARE(rows.value(0, u"TRAINER_NAME"_s), name);
        m_school.press(Qt::Key_F2);
        QCOMPARE(rows.rowCount(), 1);
        QCOMPARE(rows.value(0, u"RECEIPT_SEQ"_s), u"0001"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT receipt_no || '/' || trainer_name || '/' || length(train_test) || '/' "
                                   "|| length(remark) FROM ktuser.ec020dt"_s),
                 u"0000000001/"_s + name + u"/500/500"_s);
        QCOMPARE(m_school.find<QLabel>(u"wlbReceiptName"_s)->text(), u"일접수"_s);
    }

    void schoolRowCheckOrder_data()
    {
        QTest::addColumn<Fields>("spoilt");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("name first") << Fields{{u"edtTrainerName"_s, u""_s}, {u"cboLectureItem"_s, u""_s}}
                                    << u"*수강자명을(를) 먼저 입력하십시오."_s << u"edtTrainerName"_s;
        QTest::newRow("discipline") << Fields{{u"cboLectureItem"_s, u""_s}, {u"cboLectureRec"_s, u""_s}}
                                    << u"*강습종목구분을(를) 먼저 입력하십시오."_s << u"cboLectureItem"_s;
        QTest::newRow("booking class") << Fields{{u"cboLectureRec"_s, u""_s}}
                                       << u"*강습접수구분을(를) 먼저 입력하십시오."_s << u"cboLectureRec"_s;
    }
    void schoolRowCheckOrder()
    {
        QFETCH(Fields, spoilt);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        searchSchool(u"0000000001"_s);
        Fill(m_school.get(), {{u"edtTrainerName"_s, u"박셋"_s}});
        Fill(m_school.get(), spoilt);
        m_school.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(InputControlOf(QApplication::focusWidget()), m_school.find<QWidget>(focus));
    }

    // Typing a member number overwrites the typed name with the member's; a
    // number that is no member leaves it empty.
    void schoolMemberNumberBringsTheName_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("name");
        QTest::newRow("member") << u"M001"_s << u"홍길동"_s;
        QTest::newRow("cancelled member") << u"M002"_s << QString();
    }
    void schoolMemberNumberBringsTheName()
    {
        QFETCH(QString, member);
        QFETCH(QString, name);
        searchSchool(u"1"_s);
        Fill(m_school.get(), {{u"edtTrainerName"_s, u"타자"_s}});
        auto *edit = m_school.find<TextEdit>(u"edtMemberNo"_s);
        edit->setFocus();
        QTest::keyClicks(edit, member);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(m_school.find<TextEdit>(u"edtTrainerName"_s)->text(), name);
    }

    // Two new rows of one instructor, area and detail class: the second is
    // refused on leaving it, on Add and on Save; another area is accepted;
    // a stored row is never a duplicate, and its key is locked.
    void assignmentDuplicates()
    {
        m_db->adminExec(u"INSERT INTO ktuser.ec030ms (lecture_date, lecturer_emp_no, lecturer_name, area_gubun, "
                        "lecture_detail_gubun) VALUES (to_char(CURRENT_DATE, 'YYYYMMDD'), 'L001', '알바강사', 'M', '02')"_s);
        QVERIFY(m_assign.open());
        m_assign.press(Qt::Key_F3);
        QCOMPARE(m_assign->Rows().rowCount(), 1);
        QVERIFY(!m_assign.find<TextEdit>(u"edtLecturerEmpNo"_s)->isEnabled());

        m_assign.press(Qt::Key_F4);
        typeLecturer(u"I001"_s);
        Fill(m_assign.get(), {{u"cboArea"_s, u"M"_s}, {u"cboLectureDetail"_s, u"01"_s}, {u"edtRemark"_s, u"오전반"_s}});
        QCOMPARE(m_assign.find<TextEdit>(u"edtLecturerTeamName"_s)->text(), u"1조"_s);
        m_assign.press(Qt::Key_F4);
        typeLecturer(u"I001"_s);
        Fill(m_assign.get(), {{u"cboArea"_s, u"M"_s}, {u"cboLectureDetail"_s, u"01"_s}});
        m_assign.find<TextEdit>(u"edtRemark"_s)->setFocus(); // F4 in a code list opens the list
        for (Qt::Key key : {Qt::Key_F4, Qt::Key_F2}) {
            m_boxes->clear();
            m_assign.press(key);
            QCOMPARE(m_boxes->texts(), QStringList{u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s});
            QCOMPARE(QApplication::focusWidget(), m_assign.find<QWidget>(u"edtLecturerEmpNo"_s));
        }
        m_boxes->clear();
        m_assign.find<GridView>(u"rgrGrid"_s)->setCurrentRow(0);
        QCOMPARE(m_boxes->texts(), QStringList{u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s});
        QCOMPARE(m_assign->Grid()->currentRow(), 2);

        Fill(m_assign.get(), {{u"cboLectureDetail"_s, u"02"_s}});
        m_boxes->clear();
        m_assign.press(Qt::Key_F2);
        QVERIFY2(m_boxes->boxes.size() == 1, qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(lecturer_emp_no || area_gubun || lecture_detail_gubun || "
                                   "COALESCE(team, '-') || COALESCE(remark, '-'), ' ' ORDER BY lecturer_emp_no, area_gubun, "
                                   "lecture_detail_gubun) FROM ktuser.ec030ms"_s),
                 u"I001M0101오전반 I001M0201- L001M02--"_s);
        // The remark comes back with the row.
        m_assign->Grid()->setCurrentRow(0);
        QCOMPARE(m_assign.find<TextEdit>(u"edtRemark"_s)->text(), u"오전반"_s);
    }

    void assignmentUnknownInstructor()
    {
        QVERIFY(m_assign.open());
        m_assign.press(Qt::Key_F3);
        typeLecturer(u"X999"_s);
        m_assign.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"*강사사번을(를) 정확히 입력하십시오."_s});
    }

    // Places: a second row of one slot is refused on the screen, places
    // lowered below the booked count by the server, with the count.
    void placesOfASlot()
    {
        m_db->adminExec(u"INSERT INTO ktuser.ec040ms VALUES (to_char(CURRENT_DATE, 'YYYYMMDD'), '01', '04', '01', 5); "
                        "INSERT INTO ktuser.ec050ms (yaeyak_date, lecture_item_gubun, lecture_rec_gubun, "
                        "lecture_detail_gubun, emp_no, emp_name, yaeyak_cnt) "
                        "VALUES (to_char(CURRENT_DATE, 'YYYYMMDD'), '01', '04', '01', 'E001', '김직원', 4)"_s);
        QVERIFY(m_places.open());
        m_places.press(Qt::Key_F3);
        QCOMPARE(m_places->Rows().rowCount(), 1);
        m_places.press(Qt::Key_F4);
        Fill(m_places.get(), {{u"cboLectureItem"_s, u"01"_s}, {u"cboLectureRec"_s, u"04"_s}, {u"cboLectureDetail"_s, u"01"_s}});
        m_places.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s});
        QCOMPARE(QApplication::focusWidget(), m_places.find<QWidget>(u"cboLectureItem"_s));
        Fill(m_places.get(), {{u"cboLectureDetail"_s, u"02"_s}, {u"memMessage"_s, QString(500, u'메')}});
        m_places->Grid()->setCurrentRow(0);
        Fill(m_places.get(), {{u"wneYaeyakAbilityCnt"_s, u"3"_s}});
        m_boxes->clear();
        m_places.press(Qt::Key_F2);
        QCOMPARE(m_boxes->texts().value(1), u"자료를 저장하지 못했습니다.\r\r에러내용:\r"
                                             "예약가능인원을 이미 예약된 인원(4명)보다 적게 할 수 없습니다."_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) || '/' || max(yaeyak_ability_cnt) FROM ktuser.ec040ms"_s),
                 u"1/5"_s);
        Fill(m_places.get(), {{u"wneYaeyakAbilityCnt"_s, u"4"_s}});
        m_boxes->clear();
        m_places.press(Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(lecture_detail_gubun || ':' || yaeyak_ability_cnt || ':' || "
                                   "COALESCE(length(remark), 0), ' ' ORDER BY lecture_detail_gubun) FROM ktuser.ec040ms"_s),
                 u"01:4:0 02:0:500"_s);
    }

    // Clerks saving at once in one season and one receipt: the second waits
    // for the first and takes the next number; nothing is lost.
    void concurrentNumbers_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("enrolments of a season")
            << u"SELECT pr_eci010_01(aseason_gubun => '26', atrainer_name => '동시', aenter_date => '20261201', "
               "asex => '1', aage => '30', aid_no => '9001011234567', atel_no => '02', au_emp_no => 'T1', "
               "aeditstatus => '2')"_s
            << u"SELECT string_agg(lecture_no::text, ' ' ORDER BY lecture_no) FROM ktuser.ec010ms"_s;
        QTest::newRow("trainees of a receipt")
            << u"SELECT pr_eci020_01(aseason_gubun => '26', areceipt_no => '1', atrainer_name => '동시', "
               "alecture_item_gubun => '01', alecture_rec_gubun => '01', au_emp_no => 'T1', aeditstatus => '2')"_s
            << u"SELECT string_agg(receipt_seq::text, ' ' ORDER BY receipt_seq) FROM ktuser.ec020dt"_s;
    }
    void concurrentNumbers()
    {
        QFETCH(QString, call);
        QFETCH(QString, numbers);
        const OverlappingSaves saves = SaveAtOnce(*m_db, call, call);
        QCOMPARE(saves.firstError, QString());
        QCOMPARE(saves.secondError, QString());
        QVERIFY(saves.secondWaited);
        QCOMPARE(m_db->adminScalar(numbers), u"1 2"_s);
    }

private:
    void openClub()
    {
        QVERIFY(m_club.open());
        SearchSeason(m_club, u"26"_s);
        m_club.press(Qt::Key_F3);
        QVERIFY(!m_club->IsSearchMode());
        m_boxes->clear();
    }
    void searchSchool(const QString &receipt)
    {
        QVERIFY(m_school.open());
        Fill(m_school.get(), {{u"edtSeason"_s, u"26"_s}, {u"edtReceiptNo"_s, receipt}});
        m_school.press(Qt::Key_F3);
        QVERIFY2(!m_school->IsSearchMode(), qPrintable(m_boxes->texts().join(u" | "_s)));
        m_boxes->clear();
    }
    void typeLecturer(const QString &number)
    {
        auto *edit = m_assign.find<TextEdit>(u"edtLecturerEmpNo"_s);
        edit->setFocus();
        QTest::keyClicks(edit, number);
        QTest::keyClick(edit, Qt::Key_Tab);
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmECI010> m_club{openLater};
    ShownScreen<TfrmECI020> m_school{openLater};
    ShownScreen<TfrmECI030> m_assign{openLater};
    ShownScreen<TfrmECI040> m_places{openLater};
};

QTEST_MAIN(TestLessons)
#include "tst_lessons.moc"
