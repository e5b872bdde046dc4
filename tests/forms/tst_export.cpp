// The spreadsheet export as an .xlsx workbook: chosen in the save dialog,
// or taken when the list is longer than the .xls holds; read back by a
// spreadsheet reader.
#include "GridModel.h"
#include "GridView.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "TestDatabase.h"
#include "TestScreens.h"
#include "XlsxRead.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString CodeFixture = uR"(
INSERT INTO zx010ms (head, detail, detail_name, item1) VALUES
    ('TX001', '01', '가나', '123'), ('TX001', '02', 'Ab', '-45'),
    ('TX001', '03', '다라', '12.5'), ('TX001', '04', NULL, NULL);
)"_s;

// A list of `rows` rows with a column of every kind the export tells apart.
class TfrmZXS030 : public TfrmEZS000
{
public:
    explicit TfrmZXS030(int rows) : TfrmEZS000(u"frmZXS030"_s, u"긴 목록 조회"_s)
    {
        cdsQuery->setColumns({
            {.title = u"번호"_s, .field = u"N"_s, .width = 50, .alignment = Qt::AlignRight},
            {.title = u"이름"_s, .field = u"NAME"_s, .width = 120},
            {.title = u"대여일자"_s, .field = u"RENT_DATE"_s, .width = 90, .alignment = Qt::AlignCenter},
            {.title = u"일자\n키"_s, .field = u"DATE_KEY"_s, .width = 90, .alignment = Qt::AlignCenter,
             .displayMask = u"9999-99-99"_s},
            {.title = u"코드"_s, .field = u"CODE"_s, .width = 40},
            {.title = u"금액"_s, .field = u"AMOUNT"_s, .width = 80, .alignment = Qt::AlignRight},
            {.title = u"비고"_s, .field = u"MEMO"_s, .width = 100},
            {.title = u"숨김"_s, .field = u"HIDDEN"_s, .width = 30, .visible = false},
            {.title = u"없는 필드"_s, .field = u"NOT_IN_QUERY"_s, .width = 60},
            {.title = u"짝수"_s, .field = u"EVEN"_s, .width = 40},
        });
        SetQuery(uR"(
SELECT g AS n, '홍길동 ' || g AS name,
       to_char(date '2025-01-01' + g % 365, 'YYYY-MM-DD') AS rent_date,
       to_char(date '2025-01-01' + g % 365, 'YYYYMMDD') AS date_key,
       lpad((g % 100)::text, 2, '0') AS code, (g * 1.5)::numeric(12, 1)::text AS amount,
       CASE WHEN g % 10 = 0 THEN NULL ELSE '메모 ' || g END AS memo, 'h' || g AS hidden,
       g % 2 = 0 AS even
  FROM generate_series(1, %1) AS g)"_s.arg(rows));
    }
};

// A top-level window of that object name while it is shown.
QWidget *ShownWindow(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

const QString XlsxFilter = u"Excel 통합 문서(*.xlsx)"_s;
const QString XlsFilter = u"Excel 파일(*.xls)"_s;

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminExec(CodeFixture);
    }

    // 100,000 rows asked for as .xls: the workbook is written instead, the
    // message line says so, the grid reads no more than the .xls would
    // hold, and a reader finds every row with its cells' kinds.
    void aLongListBecomesAWorkbook()
    {
        constexpr int Rows = 100000;
        QTemporaryDir dir;
        RecordingModal boxes;
        ShownScreen<TfrmZXS030> screen(Rows);
        QVERIFY(screen.exposed());
        QTest::keyClick(&*screen, Qt::Key_F3);
        boxes.clear();
        boxes.fileNames = {dir.filePath(u"long"_s)};
        bool progressShown = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (QWidget *w = ShownWindow(u"frmExportProgress"_s); w && w->findChild<QPushButton *>(u"bbtCancel"_s))
                progressShown = true;
        });
        watch.start(0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11, Qt::ControlModifier);
        watch.stop();

        const QString path = dir.filePath(u"long.xlsx"_s);
        QCOMPARE(boxes.offeredFilters, QStringList{XlsFilter + u";;"_s + XlsxFilter});
        QCOMPARE(boxes.texts(), QStringList{u"저장한 파일(long.xlsx)을 Excel로 불러올까요?"_s});
        QCOMPARE(boxes.openedFiles, QStringList{path});
        QCOMPARE(screen->StatusMessage(), u"자료가 65,533행을 넘어 Excel 통합 문서(*.xlsx)로 저장합니다."_s);
        QVERIFY(progressShown);
        QCOMPARE(filesIn(dir.path()), QStringList{u"long.xlsx"_s});
        const int inGrid = screen->findChild<GridView *>(u"rgrGrid"_s)->gridModel()->rowCount();
        QVERIFY2(inGrid > 65533 && inGrid <= 65533 + GridModel::FetchSize, qPrintable(QString::number(inGrid)));

        const QJsonObject read = XlsxRead(path, {0, 2, 3, 4, -1});
        QCOMPARE(read.value(u"rows"_s).toInt(), Rows + 3);
        const int last = Rows + 2;
        const QStringList expected[] = {
            {u"s:긴 목록 조회"_s},
            {},
            {u"s:번호"_s, u"s:이름"_s, u"s:대여일자"_s, u"s:일자\n키"_s, u"s:코드"_s, u"s:금액"_s, u"s:비고"_s,
             u"s:숨김"_s, u"s:없는 필드"_s, u"s:짝수"_s},
            {u"n:1"_s, u"s:홍길동 1"_s, u"d:2025-01-02"_s, u"d:2025-01-02"_s, u"s:01"_s, u"n:1.5"_s, u"s:메모 1"_s,
             u"s:h1"_s, QString(), u"s:false"_s},
            {u"n:2"_s, u"s:홍길동 2"_s, u"d:2025-01-03"_s, u"d:2025-01-03"_s, u"s:02"_s, u"n:3"_s, u"s:메모 2"_s,
             u"s:h2"_s, QString(), u"s:true"_s},
        };
        for (int row = 0; row <= 4; ++row)
            for (int column = 0; column < 10; ++column)
                QCOMPARE(XlsxCell(read, row, column), expected[row].value(column));
        const QStringList lastRow{u"n:100000"_s, u"s:홍길동 100000"_s, u"d:2025-12-22"_s, u"d:2025-12-22"_s,
                                  u"s:00"_s, u"n:150000"_s, QString(), u"s:h100000"_s, QString(), u"s:true"_s};
        for (int column = 0; column < 10; ++column)
            QCOMPARE(XlsxCell(read, last, column), lastRow.value(column));
        // Every record's cells of one kind per column, the empty memo of each tenth row apart.
        const QJsonObject kinds = read.value(u"kinds"_s).toObject();
        const struct
        {
            int column;
            const char16_t *kind;
            int count;
        } counts[] = {{0, u"n", Rows}, {1, u"s", Rows}, {2, u"d", Rows},     {3, u"d", Rows}, {4, u"s", Rows},
                      {5, u"n", Rows}, {6, u"s", Rows / 10 * 9}, {7, u"s", Rows}, {9, u"s", Rows}};
        for (const auto &count : counts) {
            const QJsonObject column = kinds.value(QString::number(count.column)).toObject();
            QCOMPARE(column.keys(), QStringList{QString::fromUtf16(count.kind)});
            QCOMPARE(column.value(QString::fromUtf16(count.kind)).toInt(), count.count);
        }
        QVERIFY(!kinds.contains(u"8"_s));
    }

    // The save dialog offers both; a typed extension of either kind wins
    // over the filter in force, which decides for a name without one.
    void theChosenKindDecides_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension, .xlsx chosen") << u"report"_s << XlsxFilter << u"report.xlsx"_s;
        QTest::newRow("no extension, .xls chosen") << u"report"_s << XlsFilter << u"report.xls"_s;
        QTest::newRow(".xlsx typed, .xls chosen") << u"report.xlsx"_s << XlsFilter << u"report.xlsx"_s;
        QTest::newRow("upper case kept") << u"report.XLSX"_s << XlsFilter << u"report.XLSX"_s;
        QTest::newRow(".xls typed, .xlsx chosen") << u"report.xls"_s << XlsxFilter << u"report.xls"_s;
        QTest::newRow("other extension replaced") << u"report.txt"_s << XlsxFilter << u"report.xlsx"_s;
        QTest::newRow("dot in the folder only") << u"dir.d/report"_s << XlsxFilter << u"dir.d/report.xlsx"_s;
    }
    void theChosenKindDecides()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(u"dir.d"_s));
        RecordingModal boxes;
        ShownScreen<TfrmZXS010> screen;
        QVERIFY(screen.exposed());
        screen->edtHead->setText(u"TX001"_s);
        screen->bbtSearchClick();
        screen->findChild<QMenu *>(u"popGrid"_s)->actions().at(2)->trigger(); // 코드명 hidden
        boxes.clear();
        boxes.fileNames = {dir.filePath(typed)};
        boxes.chosenFilters = {filter};
        QCOMPARE(screen->ExportToExcel(), dir.filePath(written));
        QVERIFY(boxes.boxes.isEmpty());
        if (!written.endsWith(u".xlsx"_s, Qt::CaseInsensitive)) {
            QVERIFY(readFile(dir.filePath(written)).startsWith(QByteArray::fromHex("09080800")));
            return;
        }
        const QJsonObject read = XlsxRead(dir.filePath(written), {0, 2, 3, 4, 5, 6}, true);
        QCOMPARE(read.value(u"rows"_s).toInt(), 7);
        // The same cells as the .xls, but a fraction is a number too, and an
        // empty field is an empty cell, not 0.
        const QStringList expected[] = {
            {u"s:공통코드 조회"_s},
            {},
            {u"s:그룹"_s, u"s:코드"_s, u"s:코드명"_s, u"s:값"_s},
            {u"s:TX001"_s, u"s:01"_s, u"s:가나"_s, u"n:123"_s},
            {u"s:TX001"_s, u"s:02"_s, u"s:Ab"_s, u"n:-45"_s},
            {u"s:TX001"_s, u"s:03"_s, u"s:다라"_s, u"n:12.5"_s},
            {u"s:TX001"_s, u"s:04"_s},
        };
        for (int row = 0; row <= 6; ++row)
            for (int column = 0; column < 4; ++column)
                QCOMPARE(XlsxCell(read, row, column), expected[row].value(column));
        // The grid's widths; hidden columns (from the start or the menu) hidden.
        QCOMPARE(read.value(u"hidden"_s).toArray(), (QJsonArray{0, 2}));
        QCOMPARE(qRound(read.value(u"widths"_s).toObject().value(u"1"_s).toDouble() * 7),
                 screen->findChild<GridView *>(u"rgrGrid"_s)->columnWidth(1));
        QCOMPARE(read.value(u"frozen"_s).toString(), u"A4"_s);
    }

    // Cancel in the progress window: no file of that name, no temporary
    // file beside it, an old file as it was; the message line says so.
    void cancelledExportLeavesNoFile_data()
    {
        QTest::addColumn<bool>("oldFile");
        QTest::newRow("new name") << false;
        QTest::newRow("old file") << true;
    }
    void cancelledExportLeavesNoFile()
    {
        QFETCH(bool, oldFile);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"cancelled.xlsx"_s);
        if (oldFile) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        RecordingModal boxes;
        ShownScreen<TfrmZXS030> screen(20000);
        QVERIFY(screen.exposed());
        QTest::keyClick(&*screen, Qt::Key_F3);
        boxes.clear();
        boxes.fileNames = {path};
        bool cancelled = false;
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, this, [&] {
            if (QWidget *w = ShownWindow(u"frmExportProgress"_s)) {
                w->findChild<QPushButton *>(u"bbtCancel"_s)->click();
                cancelled = true;
            }
        });
        cancel.start(0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11, Qt::ControlModifier);
        cancel.stop();
        QVERIFY(cancelled);
        QCOMPARE(boxes.texts(),
                 oldFile ? QStringList{u"이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?"_s} : QStringList());
        QVERIFY(boxes.openedFiles.isEmpty());
        QCOMPARE(screen->StatusMessage(), u"Excel 파일 저장을 취소했습니다."_s);
        QCOMPARE(filesIn(dir.path()), oldFile ? QStringList{u"cancelled.xlsx"_s} : QStringList());
        if (oldFile)
            QCOMPARE(readFile(path), QByteArray("old"));
        QVERIFY(!ShownWindow(u"frmExportProgress"_s));
    }

    void aFolderThatIsNotThereFails()
    {
        RecordingModal boxes;
        TfrmZXS010 screen;
        screen.edtHead->setText(u"TX001"_s);
        screen.bbtSearchClick();
        boxes.clear();
        boxes.fileNames = {u"/nonexistent-kest/report.xlsx"_s};
        QCOMPARE(screen.ExportToExcel(), QString());
        QCOMPARE(boxes.texts(), QStringList{u"Excel 파일로 저장할 수 없습니다."_s});
    }

private:
    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
