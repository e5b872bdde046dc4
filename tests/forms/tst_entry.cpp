#include "CodeCombo.h"
#include "EZH999.h"
#include "EZI000.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QApplication>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

// A table keyed by area and code, and its procedure, which logs every call
// it completes and refuses the name "refuse".
static const char *const Fixture = R"SQL(
CREATE TABLE tt020ms (
    area varchar(2) NOT NULL,
    code varchar(4) NOT NULL,
    name varchar(16),
    kind varchar(2),
    qty  integer,
    PRIMARY KEY (area, code)
);
CREATE TABLE tt020log (seq serial, status text, code text, name text);
CREATE FUNCTION pr_tti020_01(aarea text DEFAULT NULL, acode text DEFAULT NULL, aname text DEFAULT NULL,
                             akind text DEFAULT NULL, aqty text DEFAULT NULL, au_emp_no text DEFAULT NULL,
                             au_ip text DEFAULT NULL, aeditstatus text DEFAULT NULL)
RETURNS void LANGUAGE plpgsql SECURITY DEFINER SET search_path = ktuser, pg_temp AS $$
BEGIN
    IF aname = 'refuse' THEN
        RAISE EXCEPTION '허용되지 않는 이름입니다';
    END IF;
    IF aeditstatus = '2' THEN
        INSERT INTO tt020ms VALUES (aarea, acode, aname, akind, NULLIF(aqty, '')::integer);
    ELSIF aeditstatus = '1' THEN
        UPDATE tt020ms SET name = aname, kind = akind, qty = NULLIF(aqty, '')::integer
         WHERE area = aarea AND code = acode;
    ELSIF aeditstatus = '3' THEN
        DELETE FROM tt020ms WHERE area = aarea AND code = acode;
    END IF;
    INSERT INTO tt020log (status, code, name) VALUES (aeditstatus, acode, aname);
END
$$;
)SQL";

class TfrmTTI020 : public TfrmEZI000
{
public:
    TfrmTTI020() : TfrmEZI000(u"frmTTI020"_s, u"시험 입력"_s)
    {
        AddSearchFields({{.name = u"cboArea"_s, .kind = FieldKind::Code, .field = u"AREA"_s, .to = &cboArea}});
        cboArea->addCode(u"본관"_s, u"M"_s);
        cboArea->addCode(u"별관"_s, u"S"_s);

        SetColumns({{.title = u"코드"_s, .field = u"CODE"_s, .width = 60, .dataWidth = 4, .key = true},
                    {.title = u"이름"_s, .field = u"NAME"_s, .width = 120, .dataWidth = 16},
                    {.title = u"종류"_s, .field = u"KIND"_s, .width = 60},
                    {.title = u"수량"_s, .field = u"QTY"_s, .width = 60, .alignment = Qt::AlignRight}});
        Rows().pickList(2).append(u"가"_s, u"A"_s);
        Rows().pickList(2).append(u"나"_s, u"B"_s);
        AddFields({{.name = u"edtCode"_s, .caption = u"*코드"_s, .field = u"CODE"_s, .bytes = 4, .required = true,
                    .to = &edtCode},
                   {.name = u"edtName"_s, .caption = u"이름"_s, .field = u"NAME"_s, .bytes = 16},
                   {.name = u"cboKind"_s, .caption = u"종류"_s, .kind = FieldKind::Code, .field = u"KIND"_s,
                    .to = &cboKind},
                   {.name = u"wneQty"_s, .caption = u"수량"_s, .kind = FieldKind::Number, .field = u"QTY"_s,
                    .bytes = 4}});
        cboKind->addCode(u"가"_s, u"A"_s);
        cboKind->addCode(u"나"_s, u"B"_s);

        qryQuery.setSql(u"SELECT code, name, kind, qty FROM tt020ms WHERE area = :AREA ORDER BY code"_s);
        prcSaveData.setName(u"pr_tti020_01"_s);
    }

    // No two rows with one code.
    QList<RowCheck> RowChecks() override
    {
        return {{[this] { return HasDuplicateKey(); }, edtCode, u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s}};
    }

    CodeCombo *cboArea = nullptr;
    CodeCombo *cboKind = nullptr;
    TextEdit *edtCode = nullptr;
};

class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminExec(QString::fromUtf8(Fixture));
    }
    void cleanupTestCase() { m_db.reset(); }

    void init()
    {
        m_db->adminExec(u"TRUNCATE tt020ms, tt020log"_s);
        m_boxes = std::make_unique<RecordingModal>();
        QVERIFY(m_screen.open());
    }
    void cleanup()
    {
        m_boxes->confirmAnswers = {true};
        m_screen.reset();
        m_boxes.reset();
    }

    void searchFindingNothingLeavesOneNewRow()
    {
        search();
        QCOMPARE(rows().rowCount(), 1);
        QVERIFY(!m_screen->IsStoredRow(0));
        QVERIFY(edit(u"edtCode"_s)->isEnabled()); // key control open on a new row
        QVERIFY(!button(u"bbtSearch"_s)->isEnabled());
        QVERIFY(button(u"bbtSave"_s)->isEnabled());
    }

    void keyControlsAreLockedOnStoredRows()
    {
        seed(3);
        search();
        QCOMPARE(rows().rowCount(), 3);
        QCOMPARE(edit(u"edtCode"_s)->text(), u"0001"_s);
        QVERIFY(!edit(u"edtCode"_s)->isEnabled());
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QCOMPARE(rows().rowCount(), 4);
        QCOMPARE(m_screen->Grid()->currentRow(), 3);
        QVERIFY(edit(u"edtCode"_s)->isEnabled());
    }

    void changingAStoredRowTwiceSendsItsLatestValuesOnce()
    {
        seed(2);
        search();
        edit(u"edtName"_s)->setText(u"첫째"_s);
        m_screen->Grid()->setCurrentRow(1);
        QCOMPARE(m_screen->ChangeCount(), 1);
        m_screen->Grid()->setCurrentRow(0);
        QCOMPARE(edit(u"edtName"_s)->text(), u"첫째"_s);
        edit(u"edtName"_s)->setText(u"둘째"_s);
        save();
        QCOMPARE(log(), QStringList({u"1/0001/둘째"_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT name FROM ktuser.tt020ms WHERE code = '0001'"_s), u"둘째"_s);
        QCOMPARE(m_screen->ChangeCount(), 0);
        QCOMPARE(m_screen->StatusMessage(), u"자료를 저장했습니다."_s);
    }

    void deletingANewRowSendsNothing()
    {
        seed(1);
        search();
        addRow(u"0009"_s, u"새것"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F9);
        QCOMPARE(rows().rowCount(), 1);
        QTest::keyClick(m_screen.get(), Qt::Key_F9); // the stored row
        QCOMPARE(rows().rowCount(), 0);
        save();
        QCOMPARE(log(), QStringList({u"3/0001/이름1"_s}));
    }

    void addOnABlankRowDoesNothing()
    {
        search();
        QCOMPARE(rows().rowCount(), 1);
        // The new row holds the defaults the controls wrote into it.
        QCOMPARE(rows().value(0, u"KIND"_s), u"A"_s);
        QCOMPARE(rows().value(0, u"QTY"_s), u"0"_s);
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QCOMPARE(rows().rowCount(), 1);
        QVERIFY(m_boxes->boxes.isEmpty());
        // The cursor goes into the row that waits.
        QCOMPARE(QApplication::focusWidget()->objectName(), u"edtCode"_s);
    }

    void codeMissingFromThePickListShowsEmpty()
    {
        m_db->adminExec(u"INSERT INTO tt020ms VALUES ('M', '0001', 'y', 'B', 2), ('M', '0002', 'x', 'Z', 1)"_s);
        search();
        QCOMPARE(rows().data(rows().index(0, 2)).toString(), u"나"_s);
        QCOMPARE(rows().value(1, u"KIND"_s), QString());
        QCOMPARE(rows().data(rows().index(1, 2)).toString(), QString());
    }

    void rowCheckRefusesTheMove()
    {
        seed(1);
        search();
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        edit(u"edtName"_s)->setText(u"코드없음"_s);
        m_screen->Grid()->setCurrentRow(0);
        QCOMPARE(m_screen->Grid()->currentRow(), 1);
        QCOMPARE(m_boxes->lastText(), u"*코드을(를) 먼저 입력하십시오."_s);
        edit(u"edtCode"_s)->setText(u"0001"_s); // the stored row's code
        m_screen->Grid()->setCurrentRow(0);
        QCOMPARE(m_screen->Grid()->currentRow(), 1);
        QCOMPARE(m_boxes->lastText(), u"기존 등록된 자료와 중복됩니다. 다시 입력하십시오."_s);
    }

    void keptPositionAfterFewerRowsComeBack()
    {
        seed(6);
        search();
        m_screen->Grid()->setCurrentRow(5);
        edit(u"edtName"_s)->setText(u"바뀜"_s);
        m_db->adminExec(u"DELETE FROM tt020ms WHERE code IN ('0002', '0003')"_s);
        save();
        QCOMPARE(rows().rowCount(), 4);
        QCOMPARE(m_screen->Grid()->currentRow(), 3);
        QCOMPARE(edit(u"edtName"_s)->text(), u"바뀜"_s);
    }

    void changeListShowsStatusAndParameters()
    {
        seed(2);
        search();
        edit(u"edtName"_s)->setText(u"바뀜"_s);
        m_screen->Grid()->setCurrentRow(1);
        QStringList titles;
        QString params;
        m_boxes->dialogScript = [&](QDialog &dialog) {
            auto &shown = static_cast<TfrmEZH999 &>(dialog);
            for (const ColumnDef &column : shown.Grid().columns())
                titles.append(column.title);
            params = dialog.findChild<QPlainTextEdit *>(u"memParam"_s)->toPlainText();
            return int(QDialog::Accepted);
        };
        QTest::keyClick(m_screen.get(), Qt::Key_F2, Qt::ControlModifier);
        QCOMPARE(titles, QStringList({u"CODE"_s, u"NAME"_s, u"KIND"_s, u"QTY"_s, u"EDITSTATUS"_s}));
        QVERIFY(params.contains(u"AEDITSTATUS"_s));
        QVERIFY(params.contains(u"ANAME"_s));
    }

    void hangulNameIsCutAt16Bytes()
    {
        search();
        edit(u"edtCode"_s)->setText(u"0001"_s);
        edit(u"edtName"_s)->setText(u"가나다라마바사아자차"_s);
        QCOMPARE(rows().value(0, u"NAME"_s), u"가나다라마바사아"_s);
    }

    void failedSaveRollsBackAndTheRetrySendsEachChangeOnce()
    {
        seed(2);
        search();
        edit(u"edtName"_s)->setText(u"refuse"_s);           // row 0001 changed
        m_screen->Grid()->setCurrentRow(1);
        QTest::keyClick(m_screen.get(), Qt::Key_F9);          // row 0002 deleted
        addRow(u"0007"_s, u"새것"_s);                        // a new row
        m_boxes->clear();
        save();
        QVERIFY(m_boxes->texts().contains(u"자료를 저장하지 못했습니다.\r\r에러내용:\r허용되지 않는 이름입니다"_s));
        QCOMPARE(log(), QStringList());
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tt020ms"_s), u"2"_s);
        QCOMPARE(rows().rowCount(), 2); // the screen keeps its rows

        // The operator mends the name and saves again.
        m_screen->Grid()->setCurrentRow(0);
        edit(u"edtName"_s)->setText(u"고침"_s);
        m_screen->Grid()->setCurrentRow(1);
        m_boxes->clear();
        save();
        QVERIFY2(m_boxes->boxes.size() == 1, qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(log(), QStringList({u"3/0002/이름2"_s, u"1/0001/고침"_s, u"2/0007/새것"_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(code || name, ',' ORDER BY code) FROM ktuser.tt020ms"_s),
                 u"0001고침,0007새것"_s);
    }

    void enterOnTheLastSearchFieldSearches()
    {
        seed(2);
        m_screen->cboArea->setFocus();
        QTest::keyClick(m_screen->cboArea, Qt::Key_Return);
        QCOMPARE(rows().rowCount(), 2);
        QVERIFY(!button(u"bbtSearch"_s)->isEnabled());
    }

    void saveInSearchModeDoesNothing()
    {
        seed(1);
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
        QVERIFY(m_boxes->boxes.isEmpty());
        QCOMPARE(rows().rowCount(), 0);
    }

    void cancelAsksBeforeDroppingChanges()
    {
        search();
        edit(u"edtCode"_s)->setText(u"0005"_s);
        m_boxes->confirmAnswers = {false};
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
        QCOMPARE(m_boxes->lastText(), u"변경된 자료가 있습니다.\r정말 취소하시겠습니까?"_s);
        QCOMPARE(rows().rowCount(), 1);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
        QCOMPARE(rows().rowCount(), 0);
        QVERIFY(button(u"bbtSearch"_s)->isEnabled());
    }

    // Code lists take the focus colour like the edits, and give it back.
    void codeListsTakeTheFocusColour()
    {
        search();
        m_screen->cboKind->setFocus();
        QCOMPARE(m_screen->cboKind->palette().color(QPalette::Base), FocusColour());
        m_screen->edtCode->setFocus();
        QCOMPARE(m_screen->cboKind->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(m_screen->edtCode->palette().color(QPalette::Base), FocusColour());
    }

private:
    GridModel &rows() { return m_screen->Rows(); }
    QLineEdit *edit(const QString &name) { return m_screen->findChild<QLineEdit *>(name); }
    QPushButton *button(const QString &name) { return m_screen->findChild<QPushButton *>(name); }

    void seed(int count)
    {
        for (int i = 1; i <= count; ++i)
            m_db->adminExec(u"INSERT INTO tt020ms VALUES ('M', '%1', '이름%2', 'A', %2)"_s
                                .arg(QString::number(i).rightJustified(4, u'0'))
                                .arg(i));
    }
    void search() { QTest::keyClick(m_screen.get(), Qt::Key_F3); }
    void save()
    {
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
    }
    void addRow(const QString &code, const QString &name)
    {
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        edit(u"edtCode"_s)->setText(code);
        edit(u"edtName"_s)->setText(name);
    }
    QStringList log()
    {
        const QString text =
            m_db->adminScalar(u"SELECT string_agg(status || '/' || code || '/' || name, ',' ORDER BY seq) FROM ktuser.tt020log"_s);
        return text.isEmpty() ? QStringList() : text.split(u',');
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmTTI020> m_screen{openLater};
};

QTEST_MAIN(TestEntry)
#include "tst_entry.moc"
