#include "EZH000.h"
#include "EZH999.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "RecordingModal.h"
#include "TestDatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolTip>

#include <functional>

using namespace Qt::StringLiterals;

// Opens one lookup with fixed inputs; its outputs travel in the list, which
// holds what the caller had before.
using Opener = std::function<bool(QStringList &)>;
Q_DECLARE_METATYPE(Opener)

namespace {

const QString NothingFound = u"조회할 내용이 없습니다."_s;

// Shows a dialog as the modal seam does and waits until it is active: the
// grid lookups search on their first activation.
bool Activate(QDialog &dialog)
{
    dialog.show();
    return QTest::qWaitForWindowActive(&dialog);
}

QWidget *Focus(QDialog &dialog)
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus : &dialog;
}

void Press(QDialog &dialog, Qt::Key key)
{
    QTest::keyClick(Focus(dialog), key);
}

GridView *GridOf(QDialog &dialog, const QString &name = u"rgrGrid"_s)
{
    return dialog.findChild<GridView *>(name);
}

// The texts a grid shows, one line per row, cells joined by "|".
QStringList Shown(const GridView *grid)
{
    QStringList lines;
    const QAbstractItemModel *model = grid->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            if (!grid->isColumnHidden(c))
                cells << model->data(model->index(r, c)).toString();
        lines << cells.join(u'|');
    }
    return lines;
}

// A whole double click: the views pick on a second press on the same row.
void DoubleClickAt(GridView *grid, QPoint position)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, position);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, position);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, position);
}

void DoubleClickRow(GridView *grid, int row)
{
    DoubleClickAt(grid, grid->visualRect(grid->model()->index(row, 0)).center());
}

QString FocusName(QDialog &dialog)
{
    return Focus(dialog)->objectName();
}

Opener Member(const QString &typed)
{
    return [typed](QStringList &o) { return PickMember(typed, o[0], o[1]); };
}

Opener Entrants(const QString &season)
{
    return [season](QStringList &o) {
        Entrant e{o[0], o[1], o[2], o[3], o[4]};
        const bool picked = PickEntrant(season, e);
        o = {e.receiptNo, e.name, e.applyDate, e.idNo, e.className};
        return picked;
    };
}

Opener Instructors(const QString &typed)
{
    return [typed](QStringList &o) {
        StaffRecord s{o[0], o[1], o[2], o[3], o[4], o[5]};
        const bool picked = PickInstructor(typed, s);
        o = {s.empNo, s.name, s.workGroupCode, s.workGroupName, s.gradeCode, s.gradeName};
        return picked;
    };
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->loadLookups();
    }
    void cleanupTestCase() { m_db.reset(); }

    void memberTypedNameSearchesAtOnce()
    {
        RecordingModal modal;
        QStringList rows, details;
        QString focus, caption, id;
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            caption = dialog.windowTitle();
            id = dialog.findChild<QWidget *>(u"stbPanel0"_s)->property("text").toString();
            rows = Shown(GridOf(dialog));
            focus = FocusName(dialog);
            for (const char *name : {"edtMainMemberName", "edtHomeTel", "edtHomePost", "edtHomeAddress1", "edtMobileTel"})
                details << dialog.findChild<QLineEdit *>(QString::fromLatin1(name))->text();
            Press(dialog, Qt::Key_Return); // on the first row
            return dialog.result();
        };
        QString memberNo = u"old"_s, memberName = u"old"_s;
        QVERIFY(PickMember(u"홍길"_s, memberNo, memberName));
        QCOMPARE(caption, u"회원"_s);
        QCOMPARE(id, u"EZH030"_s);
        QCOMPARE(rows, (QStringList{u"M001|홍길동|7001011234567|일반회원|남|"_s,
                                    u"M002|홍길순|7202022234567|일반회원|여|20040115"_s}));
        QCOMPARE(focus, u"rgrGrid"_s);
        QCOMPARE(details, (QStringList{u"홍대표"_s, u"02-555-1234"_s, u"123456"_s, u"서울특별시 강남구 역삼동"_s,
                                       u"010-1111-2222"_s}));
        QCOMPARE(memberNo, u"M001"_s);
        QCOMPARE(memberName, u"홍길동"_s);
        QVERIFY(modal.boxes.isEmpty());
    }

    void cancelledMemberIsRefused()
    {
        RecordingModal modal;
        bool stayedOpen = false;
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            Press(dialog, Qt::Key_Down);
            Press(dialog, Qt::Key_F10);
            stayedOpen = dialog.isVisible();
            Press(dialog, Qt::Key_Escape);
            return dialog.result();
        };
        QString memberNo = u"old"_s, memberName = u"old"_s;
        QVERIFY(!PickMember(u"홍길"_s, memberNo, memberName));
        QVERIFY(stayedOpen);
        QCOMPARE(modal.texts(), QStringList{u"해약된 회원입니다"_s});
        QCOMPARE(memberNo, u"old"_s);
        QCOMPARE(memberName, u"old"_s);
    }

    // Without a typed name the lookup waits; Enter from the field reaches
    // Search, and a typed "%" matches only itself.
    void memberSearchWaitsForTheOperator()
    {
        RecordingModal modal;
        bool openAtFirst = true;
        QString focus;
        QStringList rows;
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            openAtFirst = GridOf(dialog)->gridModel()->isOpen();
            focus = FocusName(dialog);
            QTest::keyClicks(Focus(dialog), u"0%"_s);
            Press(dialog, Qt::Key_Return);
            rows = Shown(GridOf(dialog));
            DoubleClickRow(GridOf(dialog), 0);
            return dialog.result();
        };
        QString memberNo, memberName;
        QVERIFY(PickMember(QString(), memberNo, memberName));
        QVERIFY(!openAtFirst);
        QCOMPARE(focus, u"edtMemberName"_s);
        QCOMPARE(rows, QStringList{u"M003|50%할인||일반회원||"_s});
        QCOMPARE(memberNo, u"M003"_s);
        QCOMPARE(memberName, u"50%할인"_s);
        QVERIFY(modal.boxes.isEmpty());
    }

    // The focused input takes the tooltip colour, the others are white and
    // read-only edits grey.
    void inputColouring()
    {
        RecordingModal modal;
        QColor focused, left, readOnly;
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            auto *name = dialog.findChild<QLineEdit *>(u"edtMemberName"_s);
            focused = name->palette().color(QPalette::Base);
            readOnly = dialog.findChild<QLineEdit *>(u"edtHomeTel"_s)->palette().color(QPalette::Base);
            name->setText(u"홍길"_s);
            Press(dialog, Qt::Key_F3); // the focus goes to the grid
            left = name->palette().color(QPalette::Base);
            Press(dialog, Qt::Key_Escape);
            return dialog.result();
        };
        QString memberNo, memberName;
        QVERIFY(!PickMember(QString(), memberNo, memberName));
        QCOMPARE(focused, QToolTip::palette().color(QPalette::ToolTipBase));
        QCOMPARE(left, QColor(Qt::white));
        QCOMPARE(readOnly, QColor(0x80, 0x80, 0x80));
    }

    // A lookup lists its rows and hands back the one picked, whatever way
    // it is picked: F10, Enter or a double click.
    void pickedRowComesBack_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("field"); // typed into before F3; empty: nothing typed
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("search");
        QTest::addColumn<int>("downs");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("caption"); // empty: not checked
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("detail"); // the rows of rgrDetail; empty: no such grid
        QTest::addColumn<QStringList>("outputs");
        QTest::newRow("postal code comes without dash")
            << Opener([](QStringList &o) { return PickPostalCode(o[0], o[1]); }) << u"edtAddress"_s << u"강남"_s
            << true << 1 << u"F10"_s << QString()
            << QStringList{u"123-456|서울특별시 강남구 역삼동  "_s, u"123-456|서울특별시 강남구 역삼동 사서함 1 "_s}
            << QStringList() << QStringList{u"123456"_s, u"서울특별시 강남구 역삼동 사서함 1 "_s};
        QTest::newRow("code lists its group at once")
            << Opener([](QStringList &o) { return PickCode(u"스키 시즌구분"_s, u"T0001"_s, o[0], o[1]); })
            << QString() << QString() << false << 0 << u"F10"_s << u"스키 시즌구분"_s
            << QStringList{u"A|첫째"_s, u"B|둘째"_s, u"C|셋째"_s, u"D|따옴표"_s, u"E |뒤공백"_s} << QStringList()
            << QStringList{u"A"_s, u"첫째"_s};
        QTest::newRow("receipt shows its trainees")
            << Opener([](QStringList &o) { return PickSkiSchoolReceipt(u"04"_s, o[0], o[1], o[2]); }) << QString()
            << QString() << true << 0 << u"F10"_s << QString()
            << QStringList{u"0000000001|2004-01-15|김접수"_s, u"0000000002|2004-01-16|이접수"_s}
            << QStringList{u"1|김수강|남|30|스키|개인강습|초급"_s, u"2|김어린|여|8|스노보드|어린이강습|입문"_s}
            << QStringList{u"0000000001"_s, u"2004-01-15"_s, u"김접수"_s};
        QTest::newRow("partner group leaves out cancelled")
            << Opener([](QStringList &o) { return PickPartnerGroup(u"단체"_s, o[0], o[1]); }) << QString()
            << QString() << false << 0 << u"double click"_s << QString() << QStringList{u"P001|시험단체"_s}
            << QStringList() << QStringList{u"P001"_s, u"시험단체"_s};
        QTest::newRow("entrant comes as keys")
            << Entrants(u"04"_s) << QString() << QString() << true << 0 << u"Return"_s << QString()
            << QStringList{u"000007|박참가|2004-01-15|800101-1234567|1급"_s,
                           u"000008|최참가|2004-01-16|810202-2345678|2급"_s}
            << QStringList()
            << QStringList{u"000007"_s, u"박참가"_s, u"20040115"_s, u"8001011234567"_s, u"1급"_s};
        QTest::newRow("employees are staff members")
            << Opener([](QStringList &o) { return PickEmployee(u"직원"_s, o[0], o[1]); }) << QString() << QString()
            << false << 1 << u"F10"_s << QString() << QStringList{u"E001|김직원|임직원|남"_s, u"E002|이직원||여"_s}
            << QStringList() << QStringList{u"E002"_s, u"이직원"_s};
        QTest::newRow("outlets of the sports type")
            << Opener([](QStringList &o) { return PickOutlet(u"영업장 선택"_s, o[0], o[1]); }) << QString()
            << QString() << false << 1 << u"F10"_s << u"영업장 선택"_s
            << QStringList{u"5010|본관 렌탈샵"_s, u"5020|별관 렌탈샵"_s} << QStringList()
            << QStringList{u"5020"_s, u"별관 렌탈샵"_s};
    }
    void pickedRowComesBack()
    {
        QFETCH(Opener, open);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, search);
        QFETCH(int, downs);
        QFETCH(QString, pick);
        QFETCH(QString, caption);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, detail);
        QFETCH(QStringList, outputs);
        RecordingModal modal;
        QStringList shown, shownDetail;
        QString title;
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            title = dialog.windowTitle();
            if (!field.isEmpty())
                dialog.findChild<QLineEdit *>(field)->setText(typed);
            if (search)
                Press(dialog, Qt::Key_F3);
            shown = Shown(GridOf(dialog));
            if (GridView *second = GridOf(dialog, u"rgrDetail"_s))
                shownDetail = Shown(second);
            for (int i = 0; i < downs; ++i)
                Press(dialog, Qt::Key_Down);
            if (pick == u"double click"_s)
                DoubleClickRow(GridOf(dialog), GridOf(dialog)->currentRow());
            else
                Press(dialog, pick == u"Return"_s ? Qt::Key_Return : Qt::Key_F10);
            return dialog.result();
        };
        QStringList values(outputs.size());
        QVERIFY(open(values));
        if (!caption.isEmpty())
            QCOMPARE(title, caption);
        QCOMPARE(shown, rows);
        QCOMPARE(shownDetail, detail);
        QCOMPARE(values, outputs);
        QVERIFY(modal.boxes.isEmpty());
    }

    // Without a group there is nothing to list, and nothing to say.
    void codeLookupWithoutGroupListsNothing()
    {
        RecordingModal modal;
        QStringList rows{u"not read"_s};
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            rows = Shown(GridOf(dialog));
            Press(dialog, Qt::Key_Escape);
            return dialog.result();
        };
        QString code, label;
        QVERIFY(!PickCode(u"코드"_s, QString(), code, label));
        QVERIFY(rows.isEmpty());
        QVERIFY(modal.boxes.isEmpty());
    }

    // The rows of the current rental follow the master grid; Enter walks
    // the two search fields and runs Search from the last one.
    void rentalShowsItsRowsAndPicks()
    {
        RecordingModal modal;
        QStringList masters, firstRows, secondRows, byName;
        QString afterFirstEnter;
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            masters = Shown(GridOf(dialog));
            firstRows = Shown(GridOf(dialog, u"rgrDetail"_s));
            Press(dialog, Qt::Key_Down);
            secondRows = Shown(GridOf(dialog, u"rgrDetail"_s));

            auto *rentNo = dialog.findChild<QLineEdit *>(u"edtRentNo"_s);
            rentNo->clear();
            rentNo->setFocus();
            Press(dialog, Qt::Key_Return);
            afterFirstEnter = FocusName(dialog);
            dialog.findChild<QLineEdit *>(u"edtRentName"_s)->setText(u"이대"_s);
            Press(dialog, Qt::Key_Return);
            byName = Shown(GridOf(dialog));
            Press(dialog, Qt::Key_Return);
            return dialog.result();
        };
        QString picked = u"old"_s;
        QVERIFY(PickRental(u"20040110"_s, u"M"_s, u"1"_s, picked));
        QCOMPARE(masters, (QStringList{u"1|대여담당|신발|A01"_s, u"21|반납담당|가방|B07"_s}));
        QCOMPARE(firstRows, QStringList{u"1|김대여|일일대여|카빙스키|00004|주간권"_s});
        QCOMPARE(secondRows, QStringList{u"1|최대여|일일대여|일반스키|00001|오전권"_s});
        QCOMPARE(afterFirstEnter, u"edtRentName"_s);
        QCOMPARE(byName, QStringList{u"2|대여담당|없음|"_s});
        QCOMPARE(picked, u"2"_s);
    }

    void instructorsOfBothKinds()
    {
        RecordingModal modal;
        QStringList rows;
        QList<int> visited;
        bool codesHidden = false;
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            rows = Shown(GridOf(dialog));
            codesHidden = GridOf(dialog)->isColumnHidden(5) && GridOf(dialog)->isColumnHidden(6);
            for (const char *button : {"sbtLast", "sbtFirst", "sbtNext", "sbtNext", "sbtPrior"}) {
                QTest::mouseClick(dialog.findChild<QAbstractButton *>(QString::fromLatin1(button)), Qt::LeftButton);
                visited << GridOf(dialog)->currentRow();
            }
            Press(dialog, Qt::Key_F10);
            return dialog.result();
        };
        StaffRecord instructor;
        QVERIFY(PickInstructor(u"강사"_s, instructor));
        QCOMPARE(rows, (QStringList{u"I001|강사일|1조|정강사|상용직"_s, u"L003|계약강사|2조|보조강사|A/B"_s,
                                    u"L001|알바강사|2조|보조강사|A/B"_s}));
        QVERIFY(codesHidden);
        QCOMPARE(visited, (QList<int>{2, 0, 1, 2, 1}));
        QCOMPARE((QStringList{instructor.empNo, instructor.name, instructor.workGroupCode, instructor.workGroupName,
                              instructor.gradeCode, instructor.gradeName}),
                 (QStringList{u"L003"_s, u"계약강사"_s, u"02"_s, u"2조"_s, u"03"_s, u"보조강사"_s}));

        // An employee's record comes whole too, with the hidden codes.
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            Press(dialog, Qt::Key_F10);
            return dialog.result();
        };
        QVERIFY(PickInstructor(u"강사일"_s, instructor));
        QCOMPARE((QStringList{instructor.empNo, instructor.name, instructor.workGroupCode, instructor.workGroupName,
                              instructor.gradeCode, instructor.gradeName}),
                 (QStringList{u"I001"_s, u"강사일"_s, u"01"_s, u"1조"_s, u"02"_s, u"정강사"_s}));
    }

    void emptyListOk_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<int>("outputs");
        QTest::addColumn<bool>("searchesAtOnce");
        QTest::addColumn<QString>("focus"); // where the focus goes back to
        QTest::newRow("postal code") << Opener([](QStringList &o) { return PickPostalCode(o[0], o[1]); }) << 2 << false
                                     << u"edtAddress"_s; // searched for an address nobody has
        QTest::newRow("rental") << Opener([](QStringList &o) {
            return PickRental(u"19990101"_s, u"M"_s, u"1"_s, o[0]);
        }) << 1 << true << u"edtRentNo"_s;
        QTest::newRow("member") << Member(u"없는이름"_s) << 2 << true << u"edtMemberName"_s;
        QTest::newRow("code") << Opener([](QStringList &o) { return PickCode(u"코드"_s, u"T9999"_s, o[0], o[1]); })
                              << 2 << true << u"rgrGrid"_s;
        QTest::newRow("receipt") << Opener([](QStringList &o) {
            return PickSkiSchoolReceipt(u"99"_s, o[0], o[1], o[2]);
        }) << 3 << false << u"edtReceiptName"_s;
        QTest::newRow("partner group") << Opener([](QStringList &o) {
            return PickPartnerGroup(u"없는단체"_s, o[0], o[1]);
        }) << 2 << true << u"edtMemberName"_s;
        QTest::newRow("entrant") << Entrants(u"99"_s) << 5 << false << u"edtAddress"_s;
        QTest::newRow("instructor") << Instructors(u"없는강사"_s) << 6 << true << u"edtLecturerName"_s;
        QTest::newRow("employee") << Opener([](QStringList &o) { return PickEmployee(u"없는사원"_s, o[0], o[1]); })
                                  << 2 << true << u"edtEmpName"_s;
    }
    // OK on an empty list keeps nothing and the dialog stays; a double
    // click on the empty grid does nothing.
    void emptyListOk()
    {
        QFETCH(Opener, open);
        QFETCH(int, outputs);
        QFETCH(bool, searchesAtOnce);
        QFETCH(QString, focus);
        RecordingModal modal;
        bool openAfterOk = false, openAfterDoubleClick = false;
        QStringList kept{u"kept"_s};
        QString focusAfterSearch;
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            if (!searchesAtOnce) {
                qobject_cast<TfrmEZH000 *>(&dialog)->SetSearchText(0, u"어디에도없는곳"_s);
                Press(dialog, Qt::Key_F3);
            }
            focusAfterSearch = FocusName(dialog);
            Press(dialog, Qt::Key_F10);
            openAfterOk = dialog.isVisible();
            kept = qobject_cast<TfrmEZH000 *>(&dialog)->Outputs();
            DoubleClickAt(GridOf(dialog), QPoint(20, 10));
            openAfterDoubleClick = dialog.isVisible();
            Press(dialog, Qt::Key_Escape);
            return dialog.result();
        };
        QStringList values(outputs, u"old"_s);
        QVERIFY(!open(values));
        QCOMPARE(modal.texts(), QStringList{NothingFound});
        QVERIFY(openAfterOk);
        QVERIFY(openAfterDoubleClick);
        QVERIFY(kept.isEmpty());
        QCOMPARE(focusAfterSearch, focus);
        QCOMPARE(values, QStringList(outputs, u"old"_s));
    }

    void closeLeavesCallerValues_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<int>("outputs");
        QTest::addColumn<int>("key");
        const int escape = Qt::Key_Escape, f12 = Qt::Key_F12;
        const Opener postal = [](QStringList &o) { return PickPostalCode(o[0], o[1]); };
        const Opener rental = [](QStringList &o) { return PickRental(u"20040110"_s, u"M"_s, u"1"_s, o[0]); };
        const Opener code = [](QStringList &o) { return PickCode(u"코드"_s, u"T0001"_s, o[0], o[1]); };
        const Opener receipt = [](QStringList &o) { return PickSkiSchoolReceipt(u"04"_s, o[0], o[1], o[2]); };
        const Opener group = [](QStringList &o) { return PickPartnerGroup(u"단체"_s, o[0], o[1]); };
        const Opener employee = [](QStringList &o) { return PickEmployee(u"직원"_s, o[0], o[1]); };
        const Opener outlet = [](QStringList &o) { return PickOutlet(u"영업장"_s, o[0], o[1]); };
        for (const auto &[name, key] : {std::pair{"Escape", escape}, std::pair{"F12", f12}}) {
            const QByteArray k(name);
            QTest::newRow("postal code, " + k) << postal << 2 << key;
            QTest::newRow("rental, " + k) << rental << 1 << key;
            QTest::newRow("member, " + k) << Member(u"홍길"_s) << 2 << key;
            QTest::newRow("code, " + k) << code << 2 << key;
            QTest::newRow("receipt, " + k) << receipt << 3 << key;
            QTest::newRow("partner group, " + k) << group << 2 << key;
            QTest::newRow("entrant, " + k) << Entrants(u"04"_s) << 5 << key;
            QTest::newRow("instructor, " + k) << Instructors(u"강사"_s) << 6 << key;
            QTest::newRow("employee, " + k) << employee << 2 << key;
            QTest::newRow("outlet, " + k) << outlet << 2 << key;
        }
    }
    // With a row chosen, Escape or F12 still hands nothing back.
    void closeLeavesCallerValues()
    {
        QFETCH(Opener, open);
        QFETCH(int, outputs);
        QFETCH(int, key);
        RecordingModal modal;
        int rows = 0;
        bool closed = false;
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            if (GridOf(dialog)->model()->rowCount() == 0)
                Press(dialog, Qt::Key_F3);
            rows = GridOf(dialog)->model()->rowCount();
            Press(dialog, Qt::Key(key));
            closed = !dialog.isVisible();
            return dialog.result();
        };
        QStringList values(outputs, u"old"_s);
        QVERIFY(!open(values));
        QVERIFY(rows > 0);
        QVERIFY(closed);
        QCOMPARE(values, QStringList(outputs, u"old"_s));
        QVERIFY(modal.boxes.isEmpty());
    }

    void cancelRemark()
    {
        RecordingModal modal;
        QString focus;
        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            auto *edit = dialog.findChild<QLineEdit *>(u"edtCancelRemark"_s);
            edit->setFocus();
            focus = FocusName(dialog);
            QTest::keyClicks(edit, QString(45, u'x'));
            Press(dialog, Qt::Key_F10);
            return dialog.result();
        };
        QString remark = u"old"_s;
        QVERIFY(EnterCancelRemark(remark));
        QCOMPARE(focus, u"edtCancelRemark"_s);
        QCOMPARE(remark, QString(40, u'x'));

        modal.dialogScript = [&](QDialog &dialog) {
            if (!Activate(dialog))
                return 0;
            dialog.findChild<QLineEdit *>(u"edtCancelRemark"_s)->setText(u"고객 요청"_s);
            Press(dialog, Qt::Key_Escape);
            return dialog.result();
        };
        remark = u"old"_s;
        QVERIFY(!EnterCancelRemark(remark));
        QCOMPARE(remark, u"old"_s);
    }

    void changeListDisplayCopiesTheGrid()
    {
        GridModel changes;
        changes.setColumns({{.title = u"RENT_NO"_s, .field = u"RENT_NO"_s, .width = 60, .dataWidth = 10},
                            {.title = u"RENT_STAT"_s, .field = u"RENT_STAT"_s, .width = 40, .dataWidth = 2},
                            {.title = u"EDIT_STATUS"_s, .field = u"EDIT_STATUS"_s, .visible = false}});
        changes.pickList(1).append(u"일일대여"_s, u"D"_s);
        for (const QStringList &row : {QStringList{u"12"_s, u"D"_s, u"1"_s}, QStringList{QString(), u"D"_s, u"2"_s}}) {
            const int r = changes.insertRecord();
            for (int c = 0; c < 3; ++c)
                changes.setValue(r, changes.column(c).field, row.at(c));
        }

        TfrmEZH999 dialog(changes);
        QCOMPARE(dialog.windowTitle(), u"GridBack DisPlay"_s);
        const GridModel &copy = dialog.Grid();
        QCOMPARE(copy.columnCount(), 3);
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(copy.column(c).title, changes.column(c).title);
            QCOMPARE(copy.column(c).dataWidth, changes.column(c).dataWidth);
            QCOMPARE(copy.column(c).width, TfrmEZH999::ColumnWidth);
            QVERIFY(copy.column(c).visible);
        }
        QCOMPARE(copy.rowCount(), 2);
        QCOMPARE(copy.record(0), (QStringList{u"12"_s, u"D"_s, u"1"_s}));
        QCOMPARE(copy.record(1), (QStringList{QString(), u"D"_s, u"2"_s}));
        QCOMPARE(dialog.findChild<QPlainTextEdit *>(u"memParam"_s)->toPlainText(),
                 u"ARENT_NO\nARENT_STAT\nAEDIT_STATUS"_s);
        QCOMPARE(changes.rowCount(), 2);
        QCOMPARE(changes.value(0, u"RENT_NO"_s), u"12"_s);
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
