#include "EZI020.h"
#include "ShownScreen.h"
#include "ZZI090.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "RecordingModal.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

// A table keyed by code, and its procedure, which logs every call it
// completes and refuses the name "refuse".
static const char *const Fixture = R"SQL(
CREATE TABLE tg020ms (
    code varchar(4) PRIMARY KEY,
    name varchar(16),
    kind varchar(2),
    qty  numeric
);
CREATE TABLE tg020log (seq serial, status text, code text, name text, qty text, emp text);
CREATE FUNCTION pr_ttg020_01(acode text DEFAULT NULL, aname text DEFAULT NULL, akind text DEFAULT NULL,
                             aqty text DEFAULT NULL, au_emp_no text DEFAULT NULL, au_ip text DEFAULT NULL,
                             aeditstatus text DEFAULT NULL)
RETURNS void LANGUAGE plpgsql SECURITY DEFINER SET search_path = ktuser, pg_temp AS $$
BEGIN
    IF aname = 'refuse' THEN
        RAISE EXCEPTION '허용되지 않는 이름입니다';
    END IF;
    IF aeditstatus = '2' THEN
        INSERT INTO tg020ms VALUES (acode, aname, akind, NULLIF(aqty, '')::numeric);
    ELSIF aeditstatus = '1' THEN
        UPDATE tg020ms SET name = aname, kind = akind, qty = NULLIF(aqty, '')::numeric WHERE code = acode;
    ELSIF aeditstatus = '3' THEN
        DELETE FROM tg020ms WHERE code = acode;
    END IF;
    INSERT INTO tg020log (status, code, name, qty, emp) VALUES (aeditstatus, acode, aname, aqty, au_emp_no);
END
$$;
)SQL";

enum Column { CodeColumn, NameColumn, KindColumn, QtyColumn };

// The same test screen on either base: code, name, a pick-list kind and a
// quantity with a footer; head fields on panMaster.
template <class Base>
class TestScreen : public Base
{
public:
    TestScreen() : Base(u"frmTTG020"_s, u"시험 그리드"_s)
    {
        auto *head = new QHBoxLayout(this->panMaster);
        auto *memo = new TextEdit(this->panMaster);
        memo->setObjectName(u"edtMemo"_s);
        auto *date = new MaskEdit(this->panMaster);
        date->setObjectName(u"wmeDate"_s);
        date->setInputMask(u"9999-99-99;0; "_s);
        auto *day = new QLabel(this->panMaster);
        day->setObjectName(u"wlbDate"_s);
        auto *dateButton = new QPushButton(u"..."_s, this->panMaster);
        dateButton->setObjectName(u"bbtDate"_s);
        auto *memoButton = new QPushButton(u"..."_s, this->panMaster);
        memoButton->setObjectName(u"bbtMemo"_s);
        auto *memoSpeed = new QPushButton(u"..."_s, this->panMaster);
        memoSpeed->setObjectName(u"sbtMemo"_s);
        for (QWidget *w : std::initializer_list<QWidget *>{memo, date, day, dateButton, memoButton, memoSpeed})
            head->addWidget(w);
        this->panMaster->show();

        this->SetColumns({{.title = u"코드"_s, .field = u"CODE"_s, .width = 60, .dataWidth = 4, .key = true},
                          {.title = u"이름"_s, .field = u"NAME"_s, .width = 120, .dataWidth = 16},
                          {.title = u"종류"_s, .field = u"KIND"_s, .width = 60},
                          {.title = u"수량"_s, .field = u"QTY"_s, .width = 80, .alignment = Qt::AlignRight,
                           .footer = true}});
        this->Rows().pickList(KindColumn).append(u"가"_s, u"A"_s);
        this->Rows().pickList(KindColumn).append(u"나"_s, u"B"_s);
        this->qryQuery.setSql(u"SELECT code, name, kind, qty FROM tg020ms ORDER BY code"_s);
        this->prcProc.setName(u"pr_ttg020_01"_s);
    }
};

class TestGridEntry : public QObject
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
        m_db->adminExec(u"TRUNCATE tg020ms, tg020log"_s);
        m_boxes = std::make_unique<RecordingModal>();
        open(u"EZI020"_s);
    }
    void cleanup()
    {
        m_boxes->confirmAnswers = {true};
        m_screen.reset();
        m_boxes.reset();
    }

    void searchReadsRowsAsStored()
    {
        search();
        QCOMPARE(rows().rowCount(), 0);
        QCOMPARE(m_screen->StatusMessage(), u"조회할 내용이 없습니다."_s);
        QVERIFY(!button(u"bbtSearch"_s)->isEnabled());

        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
        seed(3);
        search();
        QCOMPARE(rows().rowCount(), 3);
        QCOMPARE(rowStates(), QList<EditStatus>(3, EditStatus::Changed));
        QCOMPARE(m_screen->ChangeParameters(), QStringList({u"ACODE"_s, u"ANAME"_s, u"AKIND"_s, u"AQTY"_s}));
        QVERIFY(m_screen->StatusMessage().isEmpty());

        // A posted new row is logged as one; Cancel drops it with the rows.
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        typeCell(3, CodeColumn, u"0009"_s);
        QTest::keyClick(grid(), Qt::Key_Up);
        QCOMPARE(m_screen->PendingChanges().size(), 1);
        QCOMPARE(m_screen->PendingChanges().at(0).status, EditStatus::Inserted);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
        QCOMPARE(rows().rowCount(), 0);
        QVERIFY(m_screen->PendingChanges().isEmpty());
        search();
        QCOMPARE(rowStates(), QList<EditStatus>(3, EditStatus::Changed));
        QVERIFY(m_screen->PendingChanges().isEmpty());
    }

    void rowTypedThenEmptiedIsRemovedOnPosting()
    {
        seed(1);
        search();
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        QCOMPARE(rows().rowCount(), 2);
        typeCell(1, NameColumn, u"잠깐"_s);
        typeCell(1, NameColumn, QString());
        QTest::keyClick(grid(), Qt::Key_Up);
        QCOMPARE(rows().rowCount(), 1);
        QVERIFY(m_screen->PendingChanges().isEmpty());

        m_boxes->clear();
        save();
        QCOMPARE(m_boxes->texts(), QStringList({u"변경된 자료가 없습니다."_s}));
        QCOMPARE(log(), QStringList());
    }

    void editingAStoredRowTwiceKeepsOneEntryWithTheLatestCells()
    {
        seed(2);
        search();
        typeCell(0, NameColumn, u"첫째"_s);
        QTest::keyClick(grid(), Qt::Key_Down);
        QTest::keyClick(grid(), Qt::Key_Up);
        typeCell(0, NameColumn, u"둘째"_s);
        QCOMPARE(grid()->currentIndex(), rows().index(0, KindColumn)); // Enter moved on
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(m_screen->PendingChanges().size(), 1);
        QCOMPARE(m_screen->PendingChanges().at(0).cells.at(NameColumn), u"둘째"_s);
        QCOMPARE(m_screen->PendingChanges().at(0).status, EditStatus::Changed);

        save();
        QCOMPARE(log(), QStringList({u"1/0001/둘째/1"_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT emp FROM ktuser.tg020log"_s), QString::fromLatin1(TestDatabase::EmployeeNo));
        QCOMPARE(m_screen->StatusMessage(), u"자료를 저장했습니다."_s);
        QVERIFY(m_screen->IsSaved());
        QVERIFY(m_screen->PendingChanges().isEmpty());
        QCOMPARE(rows().rowCount(), 2); // not read again
    }

    void saveWritesTheCellStillBeingEdited()
    {
        seed(1);
        search();
        const QModelIndex cell = rows().index(0, NameColumn);
        grid()->setCurrentIndex(cell);
        grid()->edit(cell);
        QWidget *editor = grid()->indexWidget(cell);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, u"typed"_s);
        save();
        QCOMPARE(log(), QStringList({u"1/0001/typed/1"_s}));
    }

    void deleting_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("stored row") << u"stored"_s << QStringList({u"3/0001/이름1/1"_s});
        QTest::newRow("new row never posted") << u"unposted"_s << QStringList();
        QTest::newRow("new row posted, then deleted") << u"posted"_s << QStringList();
        QTest::newRow("new row saved, then deleted") << u"saved"_s
                                                     << QStringList({u"2/0009/새것/"_s, u"3/0009/새것/"_s});
    }
    void deleting()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, sent);
        seed(1);
        search();
        int row = 0;
        if (how != u"stored") {
            QTest::keyClick(m_screen.get(), Qt::Key_F4);
            row = 1;
            typeCell(row, CodeColumn, u"0009"_s);
            typeCell(row, NameColumn, u"새것"_s);
            if (how == u"posted" || how == u"saved") {
                QTest::keyClick(grid(), Qt::Key_Up);
                QCOMPARE(m_screen->PendingChanges().size(), 1);
                QTest::keyClick(grid(), Qt::Key_Down);
            }
            if (how == u"saved")
                save();
        }
        QCOMPARE(grid()->currentRow(), row);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F9);
        QCOMPARE(rows().rowCount(), how == u"stored" ? 0 : 1);
        m_boxes->clear();
        save();
        QCOMPARE(m_boxes->texts().contains(u"변경된 자료가 없습니다."_s), how == u"unposted" || how == u"posted");
        QCOMPARE(log(), sent);
    }

    void gridKeysInsertAndDeleteRows()
    {
        seed(1);
        search();
        m_screen->ShowStatus(u"안내"_s);
        QTest::keyClick(grid(), Qt::Key_Insert);
        QCOMPARE(rows().rowCount(), 2);
        QCOMPARE(grid()->currentRow(), 1);
        QCOMPARE(m_screen->RowStateOf(1), EditStatus::Inserted);
        QTest::keyClick(grid(), Qt::Key_Up); // the untouched new row goes
        QCOMPARE(rows().rowCount(), 1);
        QTest::keyClick(grid(), Qt::Key_Down);
        QVERIFY(m_screen->StatusMessage().isEmpty());
        m_boxes->clear();
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(m_boxes->texts(), QStringList({u"자료를 삭제하시겠습니까?"_s}));
        QCOMPARE(rows().rowCount(), 0);
        save();
        QCOMPARE(log(), QStringList({u"3/0001/이름1/1"_s}));
    }

    void deletingAStoredRowSendsItsCellsAsStored()
    {
        seed(2);
        search();
        typeCell(0, CodeColumn, u"0002"_s); // the other row's code, typed over
        typeCell(0, NameColumn, u"바뀜"_s);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F9);
        save();
        QCOMPARE(log(), QStringList({u"3/0001/이름1/1"_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(code, ',') FROM ktuser.tg020ms"_s), u"0002"_s);
    }

    void fillDownWithCtrl_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("rights");
        QTest::addColumn<int>("downs");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("quantities");
        QTest::addColumn<QRect>("block");
        QTest::addColumn<int>("readOnly");
        QTest::newRow("one column over two rows")
            << int(QtyColumn) << 0 << 2 << QStringList({u"이름1"_s, u"이름2"_s, u"이름3"_s, u"이름4"_s})
            << QStringList({u"1"_s, u"2"_s, u"2"_s, u"2"_s}) << QRect(QPoint(QtyColumn, 1), QPoint(QtyColumn, 3)) << -1;
        QTest::newRow("two columns over one row")
            << int(NameColumn) << 2 << 1 << QStringList({u"이름1"_s, u"이름2"_s, u"이름2"_s, u"이름4"_s})
            << QStringList({u"1"_s, u"2"_s, u"2"_s, u"4"_s}) << QRect(QPoint(NameColumn, 1), QPoint(QtyColumn, 2)) << -1;
        QTest::newRow("read-only column kept")
            << int(NameColumn) << 2 << 1 << QStringList({u"이름1"_s, u"이름2"_s, u"이름3"_s, u"이름4"_s})
            << QStringList({u"1"_s, u"2"_s, u"2"_s, u"4"_s}) << QRect(QPoint(NameColumn, 1), QPoint(QtyColumn, 2))
            << int(NameColumn);
    }
    void fillDownWithCtrl()
    {
        QFETCH(int, column);
        QFETCH(int, rights);
        QFETCH(int, downs);
        QFETCH(QStringList, names);
        QFETCH(QStringList, quantities);
        QFETCH(QRect, block);
        QFETCH(int, readOnly);
        if (readOnly >= 0)
            rows().setColumnReadOnly(readOnly, true);
        seed(4);
        m_db->adminExec(u"UPDATE tg020ms SET kind = 'B' WHERE code = '0002'"_s);
        search();
        grid()->setCurrentIndex(rows().index(1, column));
        key(QEvent::KeyPress, Qt::Key_Control);
        for (int i = 0; i < rights; ++i) {
            key(QEvent::KeyPress, Qt::Key_Right);
            key(QEvent::KeyRelease, Qt::Key_Right);
        }
        for (int i = 0; i < downs; ++i) {
            key(QEvent::KeyPress, Qt::Key_Down);
            key(QEvent::KeyRelease, Qt::Key_Down);
        }
        QCOMPARE(m_screen->FillBlock(), block);
        key(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
        QVERIFY(m_screen->FillBlock().isNull());

        QCOMPARE(column_(u"NAME"_s), names);
        QCOMPARE(column_(u"QTY"_s), quantities);
        QCOMPARE(m_screen->PendingChanges().size(), downs);
        QCOMPARE(m_screen->RowStateOf(2), EditStatus::Changed);
        save();
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(name || ':' || kind || ':' || qty, ',' ORDER BY code)"
                                   " FROM ktuser.tg020ms"_s),
                 QStringList({names.at(0) + u":A:"_s + quantities.at(0),
                              names.at(1) + u":B:"_s + quantities.at(1),
                              names.at(2) + (rights > 0 ? u":B:"_s : u":A:"_s) + quantities.at(2),
                              names.at(3) + u":A:"_s + quantities.at(3)})
                     .join(u","_s));
    }

    void footerShowsWholeNumbersWithSeparators_data()
    {
        QTest::addColumn<QStringList>("quantities");
        QTest::addColumn<QString>("footer");
        QTest::newRow("thousands") << QStringList({u"1234000"_s, u"567"_s}) << u"1,234,567"_s;
        QTest::newRow("negative") << QStringList({u"-1234"_s, u"0"_s}) << u"-1,234"_s;
        QTest::newRow("fraction rounds") << QStringList({u"1234.6"_s, u"0.2"_s}) << u"1,235"_s;
        QTest::newRow("no rows") << QStringList() << u"0"_s;
    }
    void footerShowsWholeNumbersWithSeparators()
    {
        QFETCH(QStringList, quantities);
        QFETCH(QString, footer);
        for (int i = 0; i < quantities.size(); ++i)
            m_db->adminExec(u"INSERT INTO tg020ms VALUES ('%1', 'n', 'A', %2)"_s.arg(i).arg(quantities.at(i)));
        search();
        QVERIFY(grid()->isFooterVisible());
        QCOMPARE(rows().footer(QtyColumn), footer);
        QVERIFY(rows().footer(NameColumn).isEmpty());
    }

    void footerFollowsEdits()
    {
        seed(2); // 1 + 2
        search();
        typeCell(1, QtyColumn, u"1234565"_s);
        QCOMPARE(rows().footer(QtyColumn), u"1,234,566"_s);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F9);
        QCOMPARE(rows().footer(QtyColumn), u"1"_s);
    }

    void failedSaveKeepsEveryChangeAndTheRetrySendsEachOnce()
    {
        seed(2);
        search();
        typeCell(0, NameColumn, u"refuse"_s);
        QTest::keyClick(grid(), Qt::Key_Down);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F9); // 0002
        QTest::keyClick(m_screen.get(), Qt::Key_F4);
        typeCell(1, CodeColumn, u"0007"_s);
        typeCell(1, NameColumn, u"새것"_s);
        m_boxes->clear();
        save();
        QVERIFY2(m_boxes->texts().contains(u"자료를 저장하지 못했습니다.\r\r에러내용:\r허용되지 않는 이름입니다"_s),
                 qPrintable(m_boxes->texts().join(u" | "_s)));
        QCOMPARE(log(), QStringList());
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(code, ',' ORDER BY code) FROM ktuser.tg020ms"_s),
                 u"0001,0002"_s);
        QCOMPARE(m_screen->PendingChanges().size(), 3);
        QVERIFY(!m_screen->IsSaved());
        QCOMPARE(rows().rowCount(), 2);
        QCOMPARE(grid()->currentRow(), 0); // the refused row

        typeCell(0, NameColumn, u"고침"_s);
        m_boxes->clear();
        save();
        QCOMPARE(m_boxes->texts(), QStringList({u"저장 하시겠습니까?"_s}));
        QCOMPARE(log(), QStringList({u"1/0001/고침/1"_s, u"3/0002/이름2/2"_s, u"2/0007/새것/"_s}));
        QCOMPARE(m_db->adminScalar(u"SELECT string_agg(code || name, ',' ORDER BY code) FROM ktuser.tg020ms"_s),
                 u"0001고침,0007새것"_s);
        QVERIFY(m_screen->PendingChanges().isEmpty());
        QCOMPARE(m_screen->SavingRow(), -1);
    }

    void sortingByATitleClickKeepsRowsTheirChanges()
    {
        m_db->adminExec(u"INSERT INTO tg020ms VALUES ('0001', 'a', 'A', 30), ('0002', 'b', 'A', 5),"
                        " ('0003', 'c', 'A', 200)"_s);
        search();
        clickTitle(QtyColumn);
        QCOMPARE(column_(u"CODE"_s), QStringList({u"0002"_s, u"0001"_s, u"0003"_s}));
        QCOMPARE(grid()->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        clickTitle(QtyColumn);
        QCOMPARE(column_(u"CODE"_s), QStringList({u"0003"_s, u"0001"_s, u"0002"_s}));
        clickTitle(NameColumn);
        QCOMPARE(column_(u"CODE"_s), QStringList({u"0001"_s, u"0002"_s, u"0003"_s}));
        QCOMPARE(grid()->horizontalHeader()->sortIndicatorSection(), int(NameColumn));

        typeCell(2, NameColumn, u"셋째"_s);
        clickTitle(QtyColumn); // posts, then sorts: 0002, 0001, 0003
        typeCell(0, NameColumn, u"둘째"_s);
        save();
        QCOMPARE(log(), QStringList({u"1/0003/셋째/200"_s, u"1/0002/둘째/5"_s}));
    }

    void differencesBetweenTheTwoBases_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("deleteQuestion");
        QTest::addColumn<QString>("nothingChanged");
        QTest::addColumn<QString>("cancelQuestion");
        QTest::addColumn<bool>("headCleared");
        QTest::newRow("EZI020") << u"EZI020"_s << u"자료를 삭제하시겠습니까?"_s << u"변경된 자료가 없습니다."_s
                                << u"변경된 자료가 있습니다. 자료를 취소하시겠습니까?"_s << true;
        QTest::newRow("ZZI090") << u"ZZI090"_s << u"현재 자료를 삭제하시겠습니까?"_s
                                << u"변경된 데이타가 존재하지 않습니다."_s
                                << u"변경된 자료가 있습니다. 정말 취소하시겠습니까?"_s << false;
    }
    void differencesBetweenTheTwoBases()
    {
        QFETCH(QString, base);
        QFETCH(QString, deleteQuestion);
        QFETCH(QString, nothingChanged);
        QFETCH(QString, cancelQuestion);
        QFETCH(bool, headCleared);
        open(base);
        seed(2);
        search();
        m_screen->findChild<QLineEdit *>(u"edtMemo"_s)->setText(u"메모"_s);
        QCOMPARE(button(u"bbtAdd"_s)->text(), u"New(F4)"_s);

        save();
        QCOMPARE(m_boxes->texts(), QStringList({nothingChanged}));
        m_boxes->clear();
        m_boxes->confirmAnswers = {false};
        QTest::keyClick(m_screen.get(), Qt::Key_F9);
        QCOMPARE(m_boxes->texts(), QStringList({deleteQuestion}));
        QCOMPARE(rows().rowCount(), 2);

        typeCell(1, NameColumn, u"바뀜"_s);
        m_boxes->clear();
        m_boxes->confirmAnswers = {false};
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
        QCOMPARE(m_boxes->texts(), QStringList({cancelQuestion}));
        QCOMPARE(rows().rowCount(), 2);
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
        QCOMPARE(rows().rowCount(), 0);
        QVERIFY(m_screen->PendingChanges().isEmpty());
        QVERIFY(button(u"bbtSearch"_s)->isEnabled());
        QCOMPARE(m_screen->findChild<QLineEdit *>(u"edtMemo"_s)->text().isEmpty(), headCleared);
        QCOMPARE(log(), QStringList());
    }

    void headFieldKeys()
    {
        auto *date = m_screen->findChild<MaskEdit *>(u"wmeDate"_s);
        auto *memo = m_screen->findChild<QLineEdit *>(u"edtMemo"_s);
        QStringList clicked;
        for (const QString &name : {u"bbtDate"_s, u"bbtMemo"_s, u"sbtMemo"_s}) {
            auto *b = m_screen->findChild<QPushButton *>(name);
            connect(b, &QPushButton::clicked, this, [&clicked, name] { clicked.append(name); });
        }
        search();
        date->setFocus();
        QTest::keyClicks(date, u"20261210"_s);
        QCOMPARE(m_screen->findChild<QLabel *>(u"wlbDate"_s)->text(), u"목요일"_s);
        QTest::keyClick(date, Qt::Key_F1); // no sbtDate: the bbt button
        QTest::keyClick(memo, Qt::Key_F1); // sbtMemo before bbtMemo
        QCOMPARE(clicked, QStringList({u"bbtDate"_s, u"sbtMemo"_s}));
        // A head field's change is something to save.
        QTest::keyClicks(memo, u"x"_s);
        QVERIFY(m_screen->IsRowChanged());
    }

    void closingWithUnsavedChangesAsks()
    {
        seed(1);
        search();
        typeCell(0, NameColumn, u"바뀜"_s);
        m_boxes->clear();
        m_boxes->confirmAnswers = {false};
        QVERIFY(!m_screen->close());
        QCOMPARE(m_boxes->texts(), QStringList({u"변경된 자료가 있습니다.\r정말 종료하시겠습니까?"_s}));
    }

private:
    void open(const QString &base)
    {
        m_screen.reset();
        if (base == u"ZZI090")
            QVERIFY(m_screen.take(std::make_unique<TestScreen<TfrmZZI090>>()));
        else
            QVERIFY(m_screen.take(std::make_unique<TestScreen<TfrmEZI020>>()));
    }

    GridModel &rows() { return m_screen->Rows(); }
    GridView *grid() { return m_screen->Grid(); }
    QPushButton *button(const QString &name) { return m_screen->findChild<QPushButton *>(name); }

    QList<EditStatus> rowStates()
    {
        QList<EditStatus> states;
        for (int row = 0; row < rows().rowCount(); ++row)
            states.append(m_screen->RowStateOf(row));
        return states;
    }
    QStringList column_(const QString &field)
    {
        QStringList cells;
        for (int row = 0; row < rows().rowCount(); ++row)
            cells.append(rows().value(row, field));
        return cells;
    }

    // Types into a cell as the operator does: the cell's editor opens, its
    // text is replaced, Enter writes it.
    void typeCell(int row, int column, const QString &text)
    {
        grid()->setFocus();
        grid()->setCurrentIndex(rows().index(row, column));
        grid()->edit(rows().index(row, column));
        QWidget *editor = grid()->indexWidget(rows().index(row, column));
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Backspace);
        for (const QChar c : text) // key events carrying the text, Hangul included
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(rows().value(row, rows().column(column).field), text);
        QTRY_VERIFY(!grid()->indexWidget(rows().index(row, column)));
    }

    // A key event with Ctrl held, without the modifier presses and releases
    // QTest adds around each key.
    void key(QEvent::Type type, Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QKeyEvent event(type, code, modifiers);
        QApplication::sendEvent(grid(), &event);
    }

    void clickTitle(int column)
    {
        QHeaderView *header = grid()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }

    void seed(int count)
    {
        for (int i = 1; i <= count; ++i)
            m_db->adminExec(u"INSERT INTO tg020ms VALUES ('%1', '이름%2', 'A', %2)"_s
                                .arg(QString::number(i).rightJustified(4, u'0'))
                                .arg(i));
    }
    void search() { QTest::keyClick(m_screen.get(), Qt::Key_F3); }
    void save()
    {
        m_boxes->confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F2);
    }
    QStringList log()
    {
        const QString text = m_db->adminScalar(
            u"SELECT string_agg(status || '/' || code || '/' || name || '/' || coalesce(qty, ''), ',' ORDER BY seq)"
            " FROM ktuser.tg020log"_s);
        return text.isEmpty() ? QStringList() : text.split(u',');
    }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<RecordingModal> m_boxes;
    ShownScreen<TfrmGridEntry> m_screen{openLater};
};

QTEST_MAIN(TestGridEntry)
#include "tst_gridentry.moc"
