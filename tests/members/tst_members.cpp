#include "EGI020.h"
#include "GridModel.h"
#include "GridView.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// Member registration on its screen: which members the list shows, the
// details kept in step with the grid, and what a save sends and keeps.
class TestMembers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }
    void init()
    {
        // Current to today, expired yesterday, one of another group, and a
        // stored sex code the list does not know.
        m_db->adminExec(uR"sql(
            TRUNCATE ktuser.ba040ms; DELETE FROM kest_private.counters WHERE series LIKE 'ba040ms%';
            INSERT INTO ktuser.ba040ms (member_no, member_name, id_no, id_no_hash, sex_code, mobile_tel,
                                        use_date_from, use_date_to, member_group_code, guest_type, golf_code,
                                        use_room_type)
            SELECT m.no, m.name, kest_private.enc(m.id), kest_private.id_no_hash(m.id), m.sex,
                   kest_private.enc('010-0000-0000'), '20250101',
                   to_char(current_date + m.days, 'YYYYMMDD'), m.grp, '100', '01', '01'
              FROM (VALUES ('2000000001', '김오늘', '8001011234567', '2', 0, '20'),
                           ('2000000002', '김어제', '8101011234567', 'X', -1, '20'),
                           ('3000000001', '김다른', '8201011234567', '1', 30, '30')) m(no, name, id, sex, days, grp))sql"_s);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_screen.reset();
        m_boxes.reset();
    }

    void sexMapping_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("shown");
        QTest::newRow("male") << u"남"_s << u"1"_s << u"남"_s;
        QTest::newRow("female") << u"여"_s << u"2"_s << u"여"_s;
        QTest::newRow("no distinction") << u"구분없슴"_s << u"Z"_s << u"구분없슴"_s;
        QTest::newRow("empty") << QString() << u"Z"_s << u"구분없슴"_s;
    }
    void sexMapping()
    {
        QFETCH(QString, label);
        QFETCH(QString, code);
        QFETCH(QString, shown);
        QCOMPARE(TfrmEGI020::SexCodeOf(label), code);
        QCOMPARE(TfrmEGI020::SexLabelOf(code), shown);
    }

    // Only "20" members, by any part of the name, current through today
    // and expired from yesterday.
    void search_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("condition");
        QTest::addColumn<QString>("members");
        QTest::newRow("all, no name") << QString() << -1 << u"2000000001 2000000002"_s;
        QTest::newRow("all, spelled out") << QString() << 0 << u"2000000001 2000000002"_s;
        QTest::newRow("current includes today") << QString() << 1 << u"2000000001"_s;
        QTest::newRow("expired includes yesterday") << QString() << 2 << u"2000000002"_s;
        QTest::newRow("part of the name") << u"어"_s << -1 << u"2000000002"_s;
        QTest::newRow("other group never") << u"다른"_s << -1 << QString();
    }
    void search()
    {
        QFETCH(QString, name);
        QFETCH(int, condition);
        QFETCH(QString, members);
        QVERIFY(m_screen.open());
        find<QLineEdit>(u"edtSearchName"_s)->setText(name);
        find<QComboBox>(u"cmbCondition"_s)->setCurrentIndex(condition);
        QTest::keyClick(m_screen.get(), Qt::Key_F3);
        QStringList found;
        for (int row = 0; row < rows().rowCount(); ++row)
            found.append(rows().value(row, u"MEMBER_NO"_s));
        found.sort();
        QCOMPARE(found.join(u' '), members);
    }

    // The details show the current row: the resident number read as text,
    // an unknown sex code as "구분없슴"; a grid edit shows there at once.
    void detailsFollowTheGrid()
    {
        openAndSearch();
        selectMember(u"2000000002"_s);
        QCOMPARE(find<QLineEdit>(u"edtIdNo"_s)->text(), u"8101011234567"_s);
        QCOMPARE(find<QComboBox>(u"cmbSex"_s)->currentText(), u"구분없슴"_s);
        QCOMPARE(find<QLabel>(u"wlbSexCode"_s)->text(), u"Z"_s);
        editCell(rgrRow(u"2000000002"_s), u"MOBILE_TEL"_s, u"010-9999-8888"_s);
        QCOMPARE(find<QLineEdit>(u"edtMobileTel"_s)->text(), u"010-9999-8888"_s);
    }

    // A new member: numbered by the server, the number kept in the row, so
    // that the second save changes the same member.
    void newMemberSavedTwiceIsOneMember()
    {
        openAndSearch();
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QCOMPARE(rows().rowCount(), 1);
        QCOMPARE(find<QComboBox>(u"cmbSex"_s)->currentText(), u"남"_s);
        QCOMPARE(find<QLineEdit>(u"edtUseDateTo"_s)->text(), rows().value(0, u"USE_DATE_FROM"_s));
        type(u"edtMemberName"_s, u"박신규"_s);
        type(u"edtIdNo"_s, u"9001011234567"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->lastText(), u"자료를 정상적으로 저장했습니다."_s);
        QCOMPARE(rows().value(0, u"MEMBER_NO"_s), u"2000000003"_s);
        QCOMPARE(find<QLabel>(u"wlbMemberNo"_s)->text(), u"2000000003"_s);
        type(u"edtMemberName"_s, u"박신규2"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) || ' ' || max(member_name) || ' ' || max(sex_code) || ' '"
                                   " || max(member_group_code) FROM ktuser.ba040ms WHERE member_no LIKE '20%'"
                                   " AND member_no > '2000000002'"_s),
                 u"1 박신규2 1 20"_s);
    }

    // Edits typed into two rows go out in one save, each with the fixed
    // attributes, and a member's sex code stays as it was.
    void everyChangedRowIsSaved()
    {
        openAndSearch();
        editCell(rgrRow(u"2000000001"_s), u"MOBILE_TEL"_s, u"010-1111-1111"_s);
        editCell(rgrRow(u"2000000002"_s), u"HOME_TEL"_s, u"02-222-2222"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->lastText(), u"자료를 정상적으로 저장했습니다."_s);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(concat_ws('/', member_no, fn_za010ms_04(mobile_tel),"
                                   " fn_za010ms_04(home_tel), sex_code, member_group_code, guest_type, golf_code,"
                                   " use_room_type), ' ' ORDER BY member_no) FROM ktuser.ba040ms"
                                   " WHERE member_no LIKE '20%'"_s),
                 u"2000000001/010-1111-1111/2/20/250/99/99 2000000002/010-0000-0000/02-222-2222/Z/20/250/99/99"_s);
    }

    // New after an unsaved edit: the list stays and one save sends both.
    void newAfterAnEditKeepsTheEdit()
    {
        openAndSearch();
        editCell(rgrRow(u"2000000001"_s), u"HOME_TEL"_s, u"02-333-3333"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QCOMPARE(rows().rowCount(), 3);
        type(u"edtMemberName"_s, u"윤신규"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QCOMPARE(m_boxes->lastText(), u"자료를 정상적으로 저장했습니다."_s);
        QCOMPARE(m_db->adminScalar(u"SELECT fn_za010ms_04(home_tel) || ' ' || (SELECT member_name FROM ktuser.ba040ms"
                                   " WHERE member_no = '2000000003') FROM ktuser.ba040ms"
                                   " WHERE member_no = '2000000001'"_s),
                 u"02-333-3333 윤신규"_s);
    }

    // A resident number another member holds: refused, nothing saved, the
    // typed values kept.
    void registeredResidentNumberIsRefused()
    {
        openAndSearch();
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        type(u"edtMemberName"_s, u"최중복"_s);
        type(u"edtIdNo"_s, u"8201011234567"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QVERIFY2(m_boxes->lastText().contains(u"이미 등록된 회원(3000000001)"_s), qPrintable(m_boxes->lastText()));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.ba040ms"_s), u"3"_s);
        QCOMPARE(find<QLineEdit>(u"edtMemberName"_s)->text(), u"최중복"_s);
        QCOMPARE(rows().value(0, u"MEMBER_NO"_s), QString());
    }

    // A double click asks before registering; Yes goes to the name. Cancel
    // empties the condition and returns to the name condition.
    void doubleClickAndCancel()
    {
        openAndSearch();
        m_boxes->confirmAnswers = {true};
        emit m_screen->Grid()->doubleClicked(rows().index(0, 0));
        QCOMPARE(m_boxes->texts(),
                 QStringList{u"등록하시겠습니까?\r\n내용수정후 저장버튼을 누르시면 등록내용이 저장됩니다."_s});
        QCOMPARE(QApplication::focusWidget(), find<QWidget>(u"edtMemberName"_s));
        find<QComboBox>(u"cmbCondition"_s)->setCurrentIndex(1);
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
        QCOMPARE(find<QComboBox>(u"cmbCondition"_s)->currentIndex(), -1);
        QCOMPARE(QApplication::focusWidget(), find<QWidget>(u"edtSearchName"_s));
    }

private:
    template <typename T>
    T *find(const QString &name) const
    {
        T *w = m_screen->findChild<T *>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    GridModel &rows() const { return m_screen->Rows(); }
    int rgrRow(const QString &memberNo) const
    {
        for (int row = 0; row < rows().rowCount(); ++row)
            if (rows().value(row, u"MEMBER_NO"_s) == memberNo)
                return row;
        qFatal("no member %s", qPrintable(memberNo));
    }
    void selectMember(const QString &memberNo) { m_screen->Grid()->setCurrentRow(rgrRow(memberNo)); }
    void editCell(int row, const QString &field, const QString &text)
    {
        m_screen->Grid()->setCurrentRow(row);
        rows().setData(rows().index(row, rows().columnOf(field)), text);
    }
    void openAndSearch()
    {
        QVERIFY(m_screen.open());
        QTest::keyClick(m_screen.get(), Qt::Key_F3);
        QVERIFY(!m_screen->IsSearchMode());
        m_boxes->clear();
    }
    void type(const QString &name, const QString &text)
    {
        auto *edit = find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        edit->insert(text); // as the input method commits it
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmEGI020> m_screen{openLater};
};

QTEST_MAIN(TestMembers)
#include "tst_members.moc"
