#include "CodeCombo.h"
#include "CounterConnection.h"
#include "EDI020.h"
#include "EDI030.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Fields = QList<std::pair<QString, QString>>;

const QDate TestDay(2026, 12, 20);

// Entrants 000012 and 000013 of season 26; 000013 judged on the test day.
const QString Entrants =
    u"INSERT INTO ktuser.ed020ms (season_gubun, recv_no, apply_date, entry_name_kor, id_no, ski_skill, mobile_no,"
    " home_zip_code, home_addr1, home_addr2, apply_class, apply_amt) VALUES"
    " ('26', 12, '20261201', '김하나', kest_private.enc('8001011234567'), '3년', kest_private.enc('010-1111-2222'),"
    "  '123456', kest_private.enc('서울특별시 강남구 역삼동 '), kest_private.enc('1동 101호'), '02', 150000),"
    " ('26', 13, '20261202', '이두리', kest_private.enc('8102022345678'), NULL, kest_private.enc('010-3333-4444'),"
    "  NULL, NULL, NULL, '03', 120000);"
    "INSERT INTO ktuser.ed020dt (season_gubun, examine_date, recv_no, examiner_a, examiner_b, examiner_c,"
    " pflug_bogen_a) VALUES ('26', '20261220', 13, '가심사', '나심사', '다심사', 70)"_s;

const QString JudgeCall = u"SELECT pr_edi030_01(aseason_gubun => '26', aexamine_date => '%1', arecv_no => '12',"
                          " aexaminer_a => '가', aexaminer_b => '나', aexaminer_c => '다', au_emp_no => '%2',"
                          " au_ip => 'COUNTER-%2', aeditstatus => '2')"_s;

Fields ValidEntrant()
{
    return {{u"wmeApplyDate"_s, u"20261205"_s}, {u"edtEntryNameKor"_s, u"박새로"_s},
            {u"wmeIdNo"_s, u"9001011234567"_s}, {u"edtMobileNo"_s, u"010-5555-6666"_s}};
}

} // namespace

// The badge test entrants of a season and the judging of a test day.
class TestBadge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->loadLookups();
    }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        m_db->adminExec(u"TRUNCATE ktuser.ed020dt, ktuser.ed020ms;"
                        " DELETE FROM kest_private.counters WHERE series LIKE 'ed0%'"_s);
        m_db->adminExec(Entrants);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_entrants.reset();
        m_judging.reset();
        m_boxes.reset();
    }

    // The row check of an entrant, in its order, each with its field.
    void entrantRowCheck_data()
    {
        QTest::addColumn<Fields>("changes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no application date") << Fields{{u"wmeApplyDate"_s, {}}, {u"edtEntryNameKor"_s, {}}}
                                             << u"*신청일을(를) 먼저 입력하십시오."_s << u"wmeApplyDate"_s;
        QTest::newRow("30 February") << Fields{{u"wmeApplyDate"_s, u"20270230"_s}, {u"edtMobileNo"_s, {}}}
                                     << u"*신청일을(를) 정확히 입력하십시오."_s << u"wmeApplyDate"_s;
        QTest::newRow("29 February of a common year") << Fields{{u"wmeApplyDate"_s, u"20270229"_s}}
                                                      << u"*신청일을(를) 정확히 입력하십시오."_s << u"wmeApplyDate"_s;
        QTest::newRow("29 February of a leap year") << Fields{{u"wmeApplyDate"_s, u"20280229"_s}} << QString()
                                                    << QString();
        QTest::newRow("seven digits") << Fields{{u"wmeApplyDate"_s, u"2026120"_s}}
                                      << u"*신청일을(를) 정확히 입력하십시오."_s << u"wmeApplyDate"_s;
        QTest::newRow("no Hangul name") << Fields{{u"edtEntryNameKor"_s, u" "_s}, {u"wmeIdNo"_s, {}}}
                                        << u"참가자명을(를) 먼저 입력하십시오."_s << u"edtEntryNameKor"_s;
        QTest::newRow("no personal number") << Fields{{u"wmeIdNo"_s, {}}, {u"edtMobileNo"_s, {}}}
                                            << u"*주민등록번호을(를) 먼저 입력하십시오."_s << u"wmeIdNo"_s;
        QTest::newRow("no mobile phone") << Fields{{u"edtMobileNo"_s, {}}} << u"*핸드폰번호을(를) 먼저 입력하십시오."_s
                                         << u"edtMobileNo"_s;
    }
    void entrantRowCheck()
    {
        QFETCH(Fields, changes);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        openEntrants();
        QTest::keyClick(m_entrants.get(), Qt::Key_F4);
        fill(m_entrants.get(), ValidEntrant() + changes);
        QTest::keyClick(m_entrants.get(), Qt::Key_F2);
        const QString count = m_db->adminScalar(u"SELECT count(*) FROM ktuser.ed020ms"_s);
        if (message.isEmpty()) {
            QCOMPARE(m_boxes->texts(), QStringList{u"저장 하시겠습니까?"_s});
            QCOMPARE(count, u"3"_s);
            return;
        }
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(InputControlOf(QApplication::focusWidget()), m_entrants->findChild<QWidget *>(focus));
        QCOMPARE(count, u"2"_s);
        m_boxes->clear();
        QTest::keyClick(m_entrants.get(), Qt::Key_F4);
        QCOMPARE(m_boxes->texts(), QStringList{message});
    }

    // A new entrant is sent without a number and shows the server's, in six
    // digits, after the save.
    void newEntrantShowsItsNumber()
    {
        openEntrants();
        QCOMPARE(m_entrants->Rows().value(0, u"RECV_NO"_s), u"000012"_s);
        QTest::keyClick(m_entrants.get(), Qt::Key_F4);
        fill(m_entrants.get(), ValidEntrant());
        m_entrants->findChild<CodeCombo *>(u"cboApplyClass"_s)->setCode(u"04"_s);
        QTest::keyClick(m_entrants.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"저장 하시겠습니까?"_s});
        QCOMPARE(m_entrants->Rows().rowCount(), 3);
        QCOMPARE(m_entrants->Rows().value(2, u"RECV_NO"_s), u"000014"_s);
        QCOMPARE(m_entrants->findChild<QLabel *>(u"wlbRecvNo"_s)->text(), u"000014"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT apply_class || '/' || fn_za010ms_04(id_no) FROM ktuser.ed020ms"
                                   " WHERE recv_no = 14"_s),
                 u"04/9001011234567"_s);
    }

    // Another field saved leaves the stored personal number and address as they were.
    void personalValuesSurviveAnotherChange()
    {
        openEntrants();
        QCOMPARE(m_entrants->findChild<MaskEdit *>(u"wmeIdNo"_s)->plainText(), u"8001011234567"_s);
        fill(m_entrants.get(), {{u"edtSkiSkill"_s, u"5년"_s}});
        QTest::keyClick(m_entrants.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"저장 하시겠습니까?"_s});
        QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('|', ski_skill, fn_za010ms_04(id_no), fn_za010ms_04(mobile_no),"
                                   " home_zip_code, fn_za010ms_04(home_addr1), fn_za010ms_04(home_addr2), apply_amt)"
                                   " FROM ktuser.ed020ms WHERE recv_no = 12"_s),
                 u"5년|8001011234567|010-1111-2222|123456|서울특별시 강남구 역삼동 |1동 101호|150000"_s);
    }

    // Home address line 2 is typed (an edit under its label's name), and the
    // postal lookup puts the focus there.
    void homeAddressLine2IsTyped()
    {
        openEntrants();
        auto *line2 = m_entrants->findChild<QLineEdit *>(u"wlbHomeAddr2"_s);
        QVERIFY(line2);
        QVERIFY(!line2->isReadOnly());
        QCOMPARE(line2->text(), u"1동 101호"_s);
        m_boxes->dialogScript = [](QDialog &dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            if (!QTest::qWaitForWindowActive(&dialog))
                return 0;
            dialog.findChild<QLineEdit *>(u"edtAddress"_s)->setText(u"홍천"_s);
            QTest::keyClick(&dialog, Qt::Key_F3);
            QTest::keyClick(&dialog, Qt::Key_F10);
            return dialog.result();
        };
        auto *zip = m_entrants->findChild<QLineEdit *>(u"wmeHomeZipCode"_s);
        zip->setFocus();
        QTest::keyClick(zip, Qt::Key_F1);
        QCOMPARE(m_entrants->findChild<QLineEdit *>(u"wmeHomeZipCode"_s)->text().remove(u'-'), u"654321"_s);
        QCOMPARE(m_entrants->findChild<QLineEdit *>(u"edtHomeAddr1"_s)->text(), u"강원도 홍천군 서면  "_s);
        QCOMPARE(InputControlOf(m_entrants->focusWidget()), line2);
        line2->end(false);
        line2->insert(u" 뒤"_s);
        QCOMPARE(m_entrants->Rows().value(0, u"HOME_ADDR2"_s), u"1동 101호 뒤"_s);
    }

    // An entrant with judging stays, and the screen keeps the row; one without goes.
    void judgedEntrantCannotBeDeleted()
    {
        openEntrants();
        m_entrants->Grid()->setCurrentRow(1);
        QTest::keyClick(m_entrants.get(), Qt::Key_F9);
        QTest::keyClick(m_entrants.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->boxes.last().kind, BoxKind::Error);
        QVERIFY2(m_boxes->lastText().contains(u"접수번호 000013 은(는) 심사 자료가 있으므로 삭제할 수 없습니다."_s),
                 qPrintable(m_boxes->lastText()));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ed020ms"_s), u"2"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ed020dt"_s), u"1"_s);
    }

    // Judging saved by one counter while another deletes the entrant: the
    // delete waits and is refused, the scores keep their entrant.
    void deleteWhileJudgedIsRefused()
    {
        const OverlappingSaves saves =
            SaveAtOnce(*m_db, JudgeCall.arg(u"20261221"_s, u"1"_s),
                       u"SELECT pr_edi020_01(aseason_gubun => '26', arecv_no => '000012', aeditstatus => '3')"_s);
        QVERIFY2(saves.firstError.isEmpty(), qPrintable(saves.firstError));
        QVERIFY(saves.secondWaited);
        QVERIFY2(saves.secondError.contains(u"심사 자료가 있으므로 삭제할 수 없습니다"_s), qPrintable(saves.secondError));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ed020ms WHERE recv_no = 12"_s), u"1"_s);
    }

    // Two counters judging one entrant: on one day the second is refused,
    // on two days both are kept.
    void judgedOncePerDay_data()
    {
        QTest::addColumn<QString>("secondDay");
        QTest::addColumn<QString>("secondError");
        QTest::addColumn<QString>("kept");
        QTest::newRow("same day") << u"20261221"_s << u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s
                                  << u"20261221/1"_s;
        QTest::newRow("two days") << u"20261222"_s << QString() << u"20261221/1 20261222/2"_s;
    }
    void judgedOncePerDay()
    {
        QFETCH(QString, secondDay);
        QFETCH(QString, secondError);
        QFETCH(QString, kept);
        const OverlappingSaves saves =
            SaveAtOnce(*m_db, JudgeCall.arg(u"20261221"_s, u"1"_s), JudgeCall.arg(secondDay, u"2"_s));
        QVERIFY2(saves.firstError.isEmpty(), qPrintable(saves.firstError));
        if (secondError.isEmpty()) {
            QVERIFY2(saves.secondError.isEmpty(), qPrintable(saves.secondError));
        } else {
            QVERIFY(saves.secondWaited);
            QVERIFY2(saves.secondError.contains(secondError), qPrintable(saves.secondError));
        }
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(examine_date || '/' || au_emp_no, ' ' ORDER BY examine_date)"
                                   " FROM ktuser.ed020dt WHERE recv_no = 12"_s),
                 kept);
    }

    // Picking a season from the dialog searches at once.
    void pickedSeasonSearches_data()
    {
        QTest::addColumn<bool>("judging");
        QTest::newRow("entrants") << false;
        QTest::newRow("judging") << true;
    }
    void pickedSeasonSearches()
    {
        QFETCH(bool, judging);
        QWidget *screen = nullptr;
        if (judging) {
            QVERIFY(m_judging.open());
            m_judging->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(TestDay);
            screen = m_judging.get();
        } else {
            QVERIFY(m_entrants.open());
            screen = m_entrants.get();
        }
        m_boxes->dialogScript = [](QDialog &dialog) {
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            if (!QTest::qWaitForWindowActive(&dialog))
                return 0;
            // The list holds every season; the operator moves to 26.
            auto *list = dialog.findChild<GridView *>();
            for (int r = 0; r < list->gridModel()->rowCount(); ++r)
                if (list->gridModel()->value(r, 0) == u"26"_s)
                    list->setCurrentRow(r);
            QTest::keyClick(&dialog, Qt::Key_F10);
            return dialog.result();
        };
        auto *season = screen->findChild<QLineEdit *>(u"edtSeason"_s);
        season->setFocus();
        QTest::keyClicks(season, u"26"_s);
        QTest::keyClick(season, Qt::Key_F1);
        QCOMPARE(season->text(), u"26"_s);
        QCOMPARE(screen->findChild<QLabel *>(u"wlbSeason"_s)->text(), u"2026-2027 시즌"_s);
        GridModel &rows = judging ? m_judging->Rows() : m_entrants->Rows();
        QCOMPARE(rows.value(0, u"RECV_NO"_s), judging ? u"000013"_s : u"000012"_s);
    }

    // Leaving the number reads the entrant: found numbers come back in six
    // digits, unknown ones and non-numbers empty the field without an error.
    void numberLookup_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("idNo");
        QTest::newRow("found, padded") << u"12"_s << u"000012"_s << u"김하나"_s << u"8001011234567"_s;
        QTest::newRow("found as shown") << u"000012"_s << u"000012"_s << u"김하나"_s << u"8001011234567"_s;
        QTest::newRow("unknown") << u"999"_s << QString() << QString() << QString();
        QTest::newRow("letters") << u"1a"_s << QString() << QString() << QString();
    }
    void numberLookup()
    {
        QFETCH(QString, typed);
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, idNo);
        openJudging();
        QTest::keyClick(m_judging.get(), Qt::Key_F4);
        auto *edit = m_judging->findChild<QLineEdit *>(u"edtRecvNo"_s);
        edit->setFocus();
        QTest::keyClicks(edit, typed);
        m_judging->findChild<QWidget *>(u"edtExaminerA"_s)->setFocus();
        QCOMPARE(m_boxes->texts(), QStringList());
        QCOMPARE(edit->text(), number);
        QCOMPARE(m_judging->findChild<QLineEdit *>(u"edtEntryNameKor"_s)->text(), name);
        QCOMPARE(m_judging->findChild<MaskEdit *>(u"wmeIdNo"_s)->plainText().trimmed(), idNo);
        const int row = m_judging->Grid()->currentRow();
        QCOMPARE(m_judging->Rows().value(row, u"RECV_NO"_s), number);
        QCOMPARE(m_judging->Rows().value(row, u"APPLY_CLASS_GUBUN_NAME"_s), name.isEmpty() ? QString() : u"2급"_s);
        if (number.isEmpty()) {
            QTest::keyClick(m_judging.get(), Qt::Key_F2);
            QCOMPARE(m_boxes->texts(), QStringList{u"*접수번호을(를) 먼저 입력하십시오."_s});
            QCOMPARE(QApplication::focusWidget(), edit);
        }
    }

    // The judging row check: the number, the entrant, judges A, B, C in
    // that order, then the same entrant twice among the new rows.
    void judgingRowCheck_data()
    {
        QTest::addColumn<Fields>("changes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("number without entrant") << Fields{{u"edtEntryNameKor"_s, {}}, {u"edtExaminerA"_s, {}}}
                                                << u"*접수번호을(를) 정확히 입력하십시오."_s << u"edtRecvNo"_s;
        QTest::newRow("judge A missing") << Fields{{u"edtExaminerA"_s, {}}, {u"edtExaminerB"_s, {}}}
                                         << u"심사자 A을(를) 먼저 입력하십시오."_s << u"edtExaminerA"_s;
        QTest::newRow("judge B missing") << Fields{{u"edtExaminerB"_s, {}}, {u"edtExaminerC"_s, {}}}
                                         << u"심사자 B을(를) 먼저 입력하십시오."_s << u"edtExaminerB"_s;
        QTest::newRow("judge C missing") << Fields{{u"edtExaminerC"_s, u"  "_s}}
                                         << u"심사자 C을(를) 먼저 입력하십시오."_s << u"edtExaminerC"_s;
        QTest::newRow("complete") << Fields{} << QString() << QString();
    }
    void judgingRowCheck()
    {
        QFETCH(Fields, changes);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        openJudging();
        QTest::keyClick(m_judging.get(), Qt::Key_F4);
        judge(u"12"_s);
        fill(m_judging.get(), changes);
        QTest::keyClick(m_judging.get(), Qt::Key_F2);
        if (message.isEmpty()) {
            QCOMPARE(m_boxes->texts(), QStringList{u"저장 하시겠습니까?"_s});
            QCOMPARE(m_db->adminScalar(u"SELECT concat_ws('|', examiner_a, examiner_b, examiner_c, pflug_bogen_a,"
                                       " gen_descent_c) FROM ktuser.ed020dt WHERE recv_no = 12"_s),
                     u"가심사|나심사|다심사|0|0"_s);
            return;
        }
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(InputControlOf(QApplication::focusWidget()), m_judging->findChild<QWidget *>(focus));
    }

    // The same entrant twice among the rows of a day is refused before the
    // server is asked; a new row's scores start at 0.
    void sameEntrantTwiceOnADay()
    {
        openJudging();
        QTest::keyClick(m_judging.get(), Qt::Key_F4);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(m_judging->Rows().value(1, badgeScore(i, u"B"_s)), u"0"_s);
        judge(u"13"_s);
        QTest::keyClick(m_judging.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->texts(), QStringList{u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s});
        QCOMPARE(QApplication::focusWidget(), m_judging->findChild<QWidget *>(u"edtRecvNo"_s));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ed020dt"_s), u"1"_s);
    }

    // The stored judging shows the entrant, its personal number readable.
    void storedJudgingShowsTheEntrant()
    {
        openJudging();
        QCOMPARE(m_judging->Rows().rowCount(), 1);
        QCOMPARE(m_judging->findChild<QLineEdit *>(u"edtEntryNameKor"_s)->text(), u"이두리"_s);
        QCOMPARE(m_judging->findChild<MaskEdit *>(u"wmeIdNo"_s)->plainText(), u"8102022345678"_s);
        QCOMPARE(m_judging->findChild<QLineEdit *>(u"edtApplyClass"_s)->text(), u"3급"_s);
        QCOMPARE(m_judging->findChild<QLineEdit *>(u"edtExaminerB"_s)->text(), u"나심사"_s);
        QVERIFY(!m_judging->findChild<QLineEdit *>(u"edtRecvNo"_s)->isEnabled()
                || m_judging->findChild<QLineEdit *>(u"edtRecvNo"_s)->isReadOnly());
    }

private:
    static QString badgeScore(int i, const QString &judge)
    {
        static const QStringList fields = {u"PFLUG_BOGEN_"_s, u"STEM_TURN_"_s, u"PARALLEL_TURN_"_s,
                                           u"WEDERN_TURN_"_s, u"MIDDLE_TURN_"_s, u"GEN_DESCENT_"_s};
        return fields.at(i) + judge;
    }

    void openEntrants()
    {
        QVERIFY(m_entrants.open());
        searchSeason(m_entrants.get());
    }
    void openJudging()
    {
        QVERIFY(m_judging.open());
        m_judging->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(TestDay);
        searchSeason(m_judging.get());
    }
    void searchSeason(QWidget *screen)
    {
        auto *season = screen->findChild<QLineEdit *>(u"edtSeason"_s);
        season->setFocus();
        QTest::keyClicks(season, u"26"_s);
        QTest::keyClick(screen, Qt::Key_F3);
        QCOMPARE(m_boxes->texts(), QStringList());
    }
    // The current judging row's entrant by number and its three judges.
    void judge(const QString &number)
    {
        auto *edit = m_judging->findChild<QLineEdit *>(u"edtRecvNo"_s);
        edit->setFocus();
        QTest::keyClicks(edit, number);
        auto *a = m_judging->findChild<QLineEdit *>(u"edtExaminerA"_s);
        a->setFocus();
        fill(m_judging.get(), {{u"edtExaminerA"_s, u"가심사"_s}, {u"edtExaminerB"_s, u"나심사"_s},
                               {u"edtExaminerC"_s, u"다심사"_s}});
    }
    static void fill(QWidget *screen, const Fields &fields)
    {
        for (const auto &[name, value] : fields) {
            auto *edit = screen->findChild<QLineEdit *>(name);
            if (!edit)
                qFatal("no control %s", qPrintable(name));
            edit->setText(value);
        }
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmEDI020> m_entrants{openLater};
    ShownScreen<TfrmEDI030> m_judging{openLater};
};

QTEST_MAIN(TestBadge)
#include "tst_badge.moc"
