#include "EZI000.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"
#include "ZZI090.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// A head that the server numbers and its rows, each of which the server
// numbers too; a row named "refuse" is refused, after the rows before it
// went in.
static const char *const Fixture = R"SQL(
CREATE TABLE tl010ms (key_no integer PRIMARY KEY, memo text);
CREATE TABLE tl010dt (key_no integer NOT NULL, code varchar(4) NOT NULL, name varchar(16), seq integer,
                      PRIMARY KEY (key_no, code));
CREATE SEQUENCE tl010seq;
CREATE FUNCTION pr_tli010_01(akey_no text DEFAULT NULL, amemo text DEFAULT NULL, au_emp_no text DEFAULT NULL,
                             au_ip text DEFAULT NULL, aeditstatus text DEFAULT NULL, OUT anew_key_no text)
LANGUAGE plpgsql SECURITY DEFINER SET search_path = ktuser, pg_temp AS $$
BEGIN
    IF aeditstatus = '2' THEN
        INSERT INTO tl010ms SELECT coalesce(max(key_no), 0) + 1, amemo FROM tl010ms RETURNING key_no INTO anew_key_no;
    END IF;
END
$$;
CREATE FUNCTION pr_tli010_02(akey_no text DEFAULT NULL, acode text DEFAULT NULL, aname text DEFAULT NULL,
                             aseq text DEFAULT NULL, au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL,
                             aeditstatus text DEFAULT NULL, OUT anew_seq text)
LANGUAGE plpgsql SECURITY DEFINER SET search_path = ktuser, pg_temp AS $$
BEGIN
    IF aname = 'refuse' THEN
        RAISE EXCEPTION '허용되지 않는 이름입니다';
    END IF;
    IF aeditstatus = '2' THEN
        anew_seq := nextval('tl010seq');
        INSERT INTO tl010dt VALUES (akey_no::integer, acode, aname, anew_seq::integer);
    ELSIF aeditstatus = '1' THEN
        UPDATE tl010dt SET name = aname WHERE key_no = akey_no::integer AND code = acode;
    ELSIF aeditstatus = '3' THEN
        DELETE FROM tl010dt WHERE key_no = akey_no::integer AND code = acode;
    END IF;
END
$$;
)SQL";

// An entry screen with a head call: an empty key starts a new head, whose
// number the server issues on the first save.
class TfrmTLI010 : public TfrmEZI000
{
public:
    TfrmTLI010() : TfrmEZI000(u"frmTLI010"_s, u"시험 입력 머리"_s)
    {
        AddSearchFields({{.name = u"edtKeyNo"_s, .field = u"KEY_NO"_s, .bytes = 8, .to = &edtKeyNo}});
        SetColumns({{.title = u"코드"_s, .field = u"CODE"_s, .width = 60, .dataWidth = 4, .key = true},
                    {.title = u"이름"_s, .field = u"NAME"_s, .width = 120, .dataWidth = 16},
                    {.title = u"순번"_s, .field = u"SEQ"_s, .width = 60, .readOnly = true}});
        AddFields({{.name = u"edtCode"_s, .caption = u"*코드"_s, .field = u"CODE"_s, .bytes = 4, .required = true},
                   {.name = u"edtName"_s, .caption = u"이름"_s, .field = u"NAME"_s, .bytes = 16}});
        qryQuery.setSql(u"SELECT code, name, seq FROM tl010dt WHERE key_no = CAST(:KEY_NO AS integer) ORDER BY code"_s);
        prcSaveData.setName(u"pr_tli010_02"_s);
        prcSaveData.declare({u"AKEY_NO"_s});
        m_head.setName(u"pr_tli010_01"_s);
    }

    void keepEmptyRow() { SetOptions({.keepEmptyRow = true}); }

    bool refuseSave = false;
    int searched = 0;
    int checks = 0;
    QList<SavedRows> saves;
    TextEdit *edtKeyNo = nullptr;

protected:
    void Searched() override { ++searched; }
    bool CheckBeforeSave() override
    {
        ++checks;
        return !refuseSave;
    }
    void SaveHead(SavedRows &saved) override
    {
        const QString keyNo = SearchedValue(u"KEY_NO"_s);
        m_head.clearValues();
        m_head.setValue(u"AMEMO"_s, u"머리"_s);
        SetEditStatus(m_head, keyNo.isEmpty() ? EditStatus::Inserted : EditStatus::Changed);
        m_head.exec();
        if (keyNo.isEmpty()) {
            saved.issued.insert(u"KEY_NO"_s, m_head.output(u"ANEW_KEY_NO"_s));
            prcSaveData.setValue(u"AKEY_NO"_s, m_head.output(u"ANEW_KEY_NO"_s));
        }
    }
    void Saved(const SavedRows &saved) override { saves.append(saved); }

private:
    StoredProc m_head;
};

// A grid entry screen whose rows all belong to head 1.
class TfrmTLG010 : public TfrmZZI090
{
public:
    TfrmTLG010() : TfrmZZI090(u"frmTLG010"_s, u"시험 그리드 머리"_s)
    {
        SetColumns({{.title = u"코드"_s, .field = u"CODE"_s, .width = 60, .dataWidth = 4},
                    {.title = u"이름"_s, .field = u"NAME"_s, .width = 120, .dataWidth = 16}});
        qryQuery.setSql(u"SELECT code, name FROM tl010dt WHERE key_no = 1 ORDER BY code"_s);
        prcProc.setName(u"pr_tli010_02"_s);
    }

    int searched = 0;
    QList<SavedRows> saves;

protected:
    void Searched() override { ++searched; }
    bool CheckBeforeSave() override
    {
        prcProc.setValue(u"AKEY_NO"_s, u"1"_s);
        return true;
    }
    void Saved(const SavedRows &saved) override { saves.append(saved); }
};

class TestLifecycle : public QObject
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
        m_db->adminExec(u"TRUNCATE tl010ms, tl010dt"_s);
        m_boxes = std::make_unique<RecordingModal>();
    }
    void cleanup()
    {
        m_boxes->confirmAnswers = {true};
        m_entry.reset();
        m_grid.reset();
        m_boxes.reset();
    }

    // The head's number reaches the search bar only once the save has
    // committed, and the rows are read again under it.
    void entryHeadNumberShownAfterTheSave()
    {
        openEntry();
        search();
        QCOMPARE(m_entry->searched, 1);
        addRow(u"A1"_s, u"첫째"_s);
        addRow(u"B2"_s, u"둘째"_s);
        save();
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(key_no || code || name, ',' ORDER BY code) FROM ktuser.tl010dt"_s),
                 u"1A1첫째,1B2둘째"_s);
        QCOMPARE(m_entry->edtKeyNo->text(), u"1"_s);
        QCOMPARE(m_entry->Rows().rowCount(), 2);
        QVERIFY(m_entry->IsStoredRow(0) && m_entry->IsStoredRow(1));
        QCOMPARE(m_entry->saves.size(), 1);
        const SavedRows &saved = m_entry->saves.at(0);
        QCOMPARE(saved.issued.value(u"KEY_NO"_s), u"1"_s);
        QCOMPARE(saved.added.size(), 2);
        QCOMPARE(saved.added.at(1).value(u"name"_s), u"둘째"_s);
        // What the server gave each row, and the row read back holds it.
        QCOMPARE(saved.added.at(0).output(u"ANEW_SEQ"_s), m_entry->Rows().value(0, u"SEQ"_s));
        QVERIFY(!saved.added.at(0).output(u"ANEW_SEQ"_s).isEmpty());
        QCOMPARE(m_entry->StatusMessage(), u"자료를 저장했습니다."_s);

        // The next save of the same head issues nothing.
        m_entry->Grid()->setCurrentRow(0);
        edit(u"edtName"_s)->setText(u"바뀜"_s);
        save();
        QCOMPARE(m_entry->saves.size(), 2);
        QVERIFY(m_entry->saves.at(1).issued.isEmpty());
        QVERIFY(m_entry->saves.at(1).added.isEmpty());
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tl010ms"_s), u"1"_s);
    }

    // The head and the first row went in, the second row is refused: all of
    // it is rolled back, the search bar shows no number, the screen keeps its
    // rows and their log, and the retry sends everything once.
    void entrySaveFailingHalfWay()
    {
        openEntry();
        search();
        addRow(u"A1"_s, u"첫째"_s);
        addRow(u"B2"_s, u"refuse"_s);
        m_boxes->clear();
        save();
        QVERIFY2(m_boxes->texts().contains(u"자료를 저장하지 못했습니다.\r\r에러내용:\r허용되지 않는 이름입니다"_s),
                 qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tl010ms"_s), u"0"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tl010dt"_s), u"0"_s);
        QVERIFY(m_entry->edtKeyNo->text().isEmpty());
        QVERIFY(m_entry->saves.isEmpty());
        QCOMPARE(m_entry->Rows().rowCount(), 2);
        QVERIFY(!m_entry->IsStoredRow(0) && !m_entry->IsStoredRow(1));
        QVERIFY(m_entry->HasPendingChanges());

        m_entry->Grid()->setCurrentRow(1);
        edit(u"edtName"_s)->setText(u"고침"_s);
        m_boxes->clear();
        save();
        QCOMPARE(m_boxes->texts(), QStringList({u"저장 하시겠습니까?"_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tl010ms"_s), u"1"_s);
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(code || name, ',' ORDER BY code) FROM ktuser.tl010dt"_s),
                 u"A1첫째,B2고침"_s);
        QCOMPARE(m_entry->edtKeyNo->text(), u"1"_s);
        QCOMPARE(m_entry->saves.size(), 1);
        QCOMPARE(m_entry->saves.at(0).added.size(), 2);
        QVERIFY(!m_entry->HasPendingChanges());
    }

    void entryCheckBeforeSaveStopsBeforeAnythingIsAsked()
    {
        openEntry();
        search();
        addRow(u"A1"_s, u"첫째"_s);
        m_entry->refuseSave = true;
        m_boxes->clear();
        save();
        QCOMPARE(m_entry->checks, 1);
        QVERIFY(m_boxes->boxes.isEmpty());
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tl010dt"_s), u"0"_s);
        QVERIFY(m_entry->HasPendingChanges());
    }

    void entryKeepsAnEmptyRowWhenAsked_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("kept") << true;
        QTest::newRow("not kept") << false;
    }
    void entryKeepsAnEmptyRowWhenAsked()
    {
        QFETCH(bool, keep);
        m_db->adminExec(u"INSERT INTO tl010ms VALUES (1, 'm'); INSERT INTO tl010dt VALUES (1, 'A1', 'x', 1)"_s);
        openEntry();
        if (keep)
            m_entry->keepEmptyRow();
        m_entry->edtKeyNo->setText(u"1"_s);
        search();
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_entry.get(), Qt::Key_F9);
        save();
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tl010dt"_s), u"0"_s);
        QCOMPARE(m_entry->Rows().rowCount(), keep ? 1 : 0);
        if (keep)
            QVERIFY(!m_entry->IsStoredRow(0) && m_entry->IsBlankRow(0));
    }

    // The rows go in the order they were posted; the second is refused after
    // the first went in: both are rolled back, the log stays whole and the
    // refused row is current; the retry sends each once.
    void gridSaveFailingHalfWay()
    {
        openGrid();
        search();
        QCOMPARE(m_grid->searched, 1);
        addGridRow(u"A1"_s, u"첫째"_s);
        addGridRow(u"B2"_s, u"refuse"_s);
        m_boxes->clear();
        save(m_grid.get());
        QVERIFY2(m_boxes->texts().contains(u"자료를 저장하지 못했습니다.\r\r에러내용:\r허용되지 않는 이름입니다"_s),
                 qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tl010dt"_s), u"0"_s);
        QCOMPARE(m_grid->PendingChanges().size(), 2);
        QCOMPARE(m_grid->SavingRow(), 1);
        QCOMPARE(m_grid->Grid()->currentRow(), 1);
        QVERIFY(!m_grid->IsSaved());
        QVERIFY(m_grid->saves.isEmpty());

        m_grid->Rows().setValue(1, u"NAME"_s, u"고침"_s);
        m_boxes->clear();
        save(m_grid.get());
        QCOMPARE(m_boxes->texts(), QStringList({u"저장 하시겠습니까?"_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(code || name, ',' ORDER BY seq) FROM ktuser.tl010dt"_s),
                 u"A1첫째,B2고침"_s);
        QVERIFY(m_grid->IsSaved());
        QVERIFY(m_grid->PendingChanges().isEmpty());
        QCOMPARE(m_grid->saves.size(), 1);
        QCOMPARE(m_grid->saves.at(0).added.size(), 2);
        QCOMPARE(m_grid->saves.at(0).added.at(1).value(u"CODE"_s), u"B2"_s);
        QVERIFY(!m_grid->saves.at(0).added.at(1).output(u"anew_seq"_s).isEmpty());
        // Not read again, and every row is now as stored.
        QCOMPARE(m_grid->RowStateOf(0), EditStatus::Changed);
        QCOMPARE(m_grid->RowStateOf(1), EditStatus::Changed);
    }

private:
    void openEntry()
    {
        QVERIFY(m_entry.open());
    }
    void openGrid()
    {
        QVERIFY(m_grid.open());
    }
    QWidget *screen() { return m_entry ? static_cast<QWidget *>(m_entry.get()) : m_grid.get(); }
    QLineEdit *edit(const QString &name) { return m_entry->findChild<QLineEdit *>(name); }
    void search() { QTest::keyClick(screen(), Qt::Key_F3); }
    void save(QWidget *on = nullptr)
    {
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(on ? on : screen(), Qt::Key_F2);
    }
    void addRow(const QString &code, const QString &name)
    {
        QTest::keyClick(m_entry.get(), Qt::Key_F4);
        edit(u"edtCode"_s)->setText(code);
        edit(u"edtName"_s)->setText(name);
    }
    // A row added and posted, as typing it and moving on does.
    void addGridRow(const QString &code, const QString &name)
    {
        QTest::keyClick(m_grid.get(), Qt::Key_F4);
        const int row = m_grid->Grid()->currentRow();
        m_grid->Rows().setValue(row, u"CODE"_s, code);
        m_grid->Rows().setValue(row, u"NAME"_s, name);
        m_grid->PostRow();
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmTLI010> m_entry{openLater};
    ShownScreen<TfrmTLG010> m_grid{openLater};
};

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
