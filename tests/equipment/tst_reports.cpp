#include "CodeCombo.h"
#include "CountingList.h"
#include "EBP100.h"
#include "EBS060.h"
#include "EBS070.h"
#include "EBS080.h"
#include "EBS090.h"
#include "EBS100.h"
#include "EBS110.h"
#include "EBS120.h"
#include "EBS130.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "ListLayout.h"
#include "RecordingModal.h"
#include "ShownScreen.h"
#include "ReportPreview.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The printer the operator picks: a PDF file, so that what was sent can be read.
class PdfPrinterModal : public RecordingModal
{
public:
    QString printerFile;
    int printerQuestions = 0;

    bool askPrinter(QPrinter &printer, QWidget *) override
    {
        ++printerQuestions;
        if (printerFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printerFile);
        return true;
    }
};

QStringList Texts(const QList<report::PageItem> &items)
{
    QStringList out;
    for (const report::PageItem &item : items)
        out << item.text;
    return out;
}

// The grid's rows as "field|field|..." of the given fields.
QStringList GridRows(const GridModel &grid, const QStringList &fields)
{
    QStringList rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList cells;
        for (const QString &f : fields)
            cells << grid.value(r, f);
        rows << cells.join(u'|');
    }
    return rows;
}

QString PdfText(const QString &path)
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()) {
        qWarning("pdftotext is missing: scripts/deps installs poppler-utils");
        return {};
    }
    QProcess process;
    process.start(u"pdftotext"_s, {u"-raw"_s, path, u"-"_s});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A top-level widget of that object name, shown or not.
QWidget *TopLevel(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminRunFile(QStringLiteral(REPORTS_FIXTURE));
        QVERIFY(m_dir.isValid());
    }
    void cleanupTestCase() { m_db.reset(); }

    void init() { m_boxes = std::make_unique<PdfPrinterModal>(); }
    void cleanup()
    {
        m_shown.reset();
        m_screen = nullptr;
        m_boxes.reset();
    }

    void threePagesCountInEveryFooter()
    {
        TfrmEBP100 layout;
        report::RecordList rows({u"KEEP_NO"_s, u"KEEP_NAME"_s});
        int count = 0;
        const auto pages = [&] {
            layout.SetRows(rows);
            return layout.Pages();
        };
        while (pages().pages.size() < 3)
            rows.append({u"%1"_s.arg(++count, 10, 10, QChar(u'0')), u"보관자%1"_s.arg(count)});
        const report::Document document = pages();
        QCOMPARE(document.pages.size(), 3);
        for (int p = 0; p < 3; ++p) {
            QCOMPARE(Texts(document.named(p, report::PageNumberItem)), QStringList{u"%1 / 3"_s.arg(p + 1)});
            QCOMPARE(Texts(document.named(p, report::LayoutIdItem)), QStringList{u"EBP100"_s});
        }
        QCOMPARE(document.named(1, report::TitleItem).size(), 0);
    }

    // Both filters on "[전체]" list every row of the date and area; a chosen
    // filter adds exactly its one condition.
    void rentalListFilters_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("ticket");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("conditions");
        QTest::newRow("all") << QString() << QString()
                             << QStringList{u"0000000001|1"_s, u"0000000001|2"_s, u"0000000001|3"_s,
                                            u"0000000002|1"_s, u"0000000002|2"_s, u"0000000002|3"_s}
                             << 0;
        QTest::newRow("multi-day rentals") << u"S"_s << QString() << QStringList{u"0000000002|1"_s} << 1;
        QTest::newRow("all-day tickets") << QString() << u"06"_s
                                         << QStringList{u"0000000002|1"_s, u"0000000002|2"_s} << 1;
        QTest::newRow("both") << u"D"_s << u"06"_s << QStringList{u"0000000002|2"_s} << 2;
    }
    void rentalListFilters()
    {
        QFETCH(QString, state);
        QFETCH(QString, ticket);
        QFETCH(QStringList, rows);
        QFETCH(int, conditions);
        auto *screen = open<TfrmEBS060>();
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(QDate(2025, 1, 10));
        QCOMPARE(screen->findChild<CodeCombo *>(u"cboRentStat"_s)->itemText(0), u"[전체]"_s);
        screen->findChild<CodeCombo *>(u"cboRentStat"_s)->setCode(state);
        screen->findChild<CodeCombo *>(u"cboTicketKind"_s)->setCode(ticket);
        search();
        QCOMPARE(GridRows(grid(), {u"RENT_NO"_s, u"RENT_SEQ"_s}), rows);
        const QString sql = screen->ContractSql().constFirst();
        QCOMPARE(int(sql.count(u"t.rent_stat  = :RENT_STAT"_s) + sql.count(u"t.ticket_kind = :TICKET_KIND"_s)),
                 conditions);
        QCOMPARE(m_boxes->boxes.size(), 0);
    }

    void rentalListShowsNamesNumbersAndDates()
    {
        auto *screen = open<TfrmEBS060>();
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(QDate(2025, 1, 10));
        search();
        QCOMPARE(GridRows(grid(), {u"RENT_NO"_s, u"RENT_STAT_NAME"_s, u"EQUIP_GUBUN_NAME"_s, u"TEL_NO"_s,
                                   u"TICKET_KIND_NAME"_s, u"SVRL_RENT_FROM_DATE"_s, u"SVRL_RENT_TO_DATE"_s})
                     .at(3),
                 u"0000000002|연일대여|카빙스키|010-3333-4444|종일권|2025-01-10|2025-01-12"_s);
    }

    // Items out on a multi-day rental, each once, with the rental that took it out.
    void multiDayItemsAreListedOnce()
    {
        open<TfrmEBS070>();
        search();
        QCOMPARE(GridRows(grid(), {u"EQUIP_NO"_s, u"EQUIP_SIZE_NAME"_s, u"RENT_NO"_s, u"RENT_NAME"_s, u"DEAL_NAME"_s,
                                   u"KEEP_KIND_GUBUN_NAME"_s, u"KEEP_BOX_NO"_s}),
                 QStringList{u"00003|160|0000000002|임꺽정|이취급|가방|B02"_s});
    }

    // Counting lists: each outer key's rows, its subtotal right after them
    // on yellow, no grand total; the footer counts the rows of the condition.
    void countingLists_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("footer");
        QTest::newRow("EBS080 hours of 2025-01-10")
            << u"EBS080"_s
            << QStringList{u"09:00 - 09:59|스키부츠|1"_s, u"09:00 - 09:59|카빙스키|3"_s, u"|소계|4"_s,
                           u"10:00 - 10:59|카빙스키|1"_s, u"10:00 - 10:59|스노보드|1"_s, u"|소계|2"_s}
            << u"6"_s;
        QTest::newRow("EBS090 both ends open")
            << u"EBS090"_s
            << QStringList{u"2025-01-05|카빙스키|1"_s, u"|소계|1"_s,          u"2025-01-10|스키부츠|1"_s,
                           u"2025-01-10|카빙스키|4"_s, u"2025-01-10|스노보드|1"_s, u"|소계|6"_s,
                           u"2025-02-01|일반스키|1"_s, u"|소계|1"_s}
            << u"8"_s;
        QTest::newRow("EBS120 storage kinds")
            << u"EBS120"_s
            << QStringList{u"당일보관|카빙스키|1"_s, u"|소계|1"_s, u"주간보관|카빙스키|1"_s, u"|소계|1"_s,
                           u"시즌보관|카빙스키|1"_s, u"시즌보관|스노보드|1"_s, u"|소계|2"_s}
            << u"4"_s;
        QTest::newRow("EBS130 regions, once per address pair")
            << u"EBS130"_s
            << QStringList{u"서울특별시 중구|카빙스키|1"_s, u"|소계|1"_s,
                           u"강원도 정선군|카빙스키|1"_s,   u"강원도 정선군|스노보드|1"_s, u"|소계|2"_s,
                           u"강원도 평창군|카빙스키|1"_s,   u"강원도 평창군|스노보드|1"_s, u"|소계|2"_s}
            << u"4"_s;
    }
    void countingLists()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, rows);
        QFETCH(QString, footer);
        TfrmEZS000 *screen = openCounting(id);
        search();
        const QString outer = grid().column(0).field;
        const QString count = grid().column(2).field;
        QCOMPARE(GridRows(grid(), {outer, u"EQUIP_GUBUN_NAME"_s, count}), rows);
        QCOMPARE(grid().footer(2), footer);
        auto *view = screen->findChild<GridView *>(u"rgrGrid"_s);
        for (int r = 0; r < grid().rowCount(); ++r) {
            const bool subtotal = grid().value(r, u"EQUIP_GUBUN_NAME"_s) == SubtotalLabel;
            QCOMPARE(view->rowColour(r).background, subtotal ? QColor(Qt::yellow) : QColor());
        }
        QCOMPARE(m_boxes->boxes.size(), 0);
    }

    // Print and Preview share one path: the preview shows the rows of the
    // last search with the conditions of the search bar, its total after
    // "합계", and its subtotal rows on yellow.
    void previewOfACountingList()
    {
        auto *screen = open<TfrmEBS090>();
        search();
        report::Document shown;
        m_boxes->dialogScript = [&](QDialog &dialog) {
            if (auto *preview = dynamic_cast<report::ReportPreview *>(&dialog))
                shown = preview->document();
            return int(QDialog::Rejected);
        };
        QTest::keyClick(screen, Qt::Key_F11, Qt::ShiftModifier);
        QCOMPARE(shown.id, u"EBP090"_s);
        QCOMPARE(shown.pages.size(), 1);
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[1])), QStringList{u"*대여일자: [전체]  ∼  [전체]"_s});
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[2])), QStringList{u"*지역구분: 본관"_s});
        QCOMPARE(Texts(shown.named(0, u"RENT_COUNT"_s)), QStringList{u"8"_s});
        int fills = 0;
        for (const report::PageItem &item : shown.pages.first().items)
            if (item.kind == report::ItemKind::Fill && item.fill == QColor(Qt::yellow))
                ++fills;
        QCOMPARE(fills, 3);
        QCOMPARE(m_boxes->printerQuestions, 0);
    }

    void rangeEndsMustBeDates_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no such day") << u"20250230"_s << QString() << u"wmeRentDateFrom"_s;
        QTest::newRow("half a date") << u"20250110"_s << u"202501"_s << u"wmeRentDateTo"_s;
    }
    void rangeEndsMustBeDates()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, focus);
        auto *screen = open<TfrmEBS090>();
        screen->findChild<MaskEdit *>(u"wmeRentDateFrom"_s)->setText(from);
        screen->findChild<MaskEdit *>(u"wmeRentDateTo"_s)->setText(to);
        search();
        QCOMPARE(m_boxes->texts(), QStringList{u"*대여일자을(를) 정확히 입력하십시오."_s});
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(!grid().isOpen());
    }

    // A stored item is listed when its release date lies before the
    // reference date: not on the day itself, never without a date, not once released.
    void unreleasedStorageByReferenceDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("due the day before") << QDate(2027, 1, 6) << QStringList{u"0000000001|2027-01-05"_s};
        QTest::newRow("one due that very day") << QDate(2027, 1, 10) << QStringList{u"0000000001|2027-01-05"_s};
        QTest::newRow("both overdue") << QDate(2027, 1, 11)
                                      << QStringList{u"0000000001|2027-01-05"_s, u"0000000002|2027-01-10"_s};
        QTest::newRow("none due yet") << QDate(2027, 1, 5) << QStringList{};
    }
    void unreleasedStorageByReferenceDate()
    {
        QFETCH(QDate, date);
        QFETCH(QStringList, rows);
        auto *screen = open<TfrmEBS110>();
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(date);
        search();
        QCOMPARE(GridRows(grid(), {u"KEEP_NO"_s, u"CHULGO_DATE"_s}), rows);
    }

    void storageListFiltersAndPrintedConditions()
    {
        auto *screen = open<TfrmEBS100>();
        auto *season = screen->findChild<QLineEdit *>(u"edtSeason"_s);
        season->setFocus();
        QTest::keyClicks(season, u"26"_s);
        screen->findChild<CodeCombo *>(u"cboKeepGubun"_s)->setCode(u"05"_s);
        screen->findChild<QLineEdit *>(u"edtKeepName"_s)->setText(u"보관"_s);
        search();
        QCOMPARE(GridRows(grid(), {u"KEEP_NO"_s, u"KEEP_NAME"_s}),
                 (QStringList{u"0000000001|김보관"_s, u"0000000002|이보관"_s}));
        report::Document shown;
        m_boxes->dialogScript = [&](QDialog &dialog) {
            if (auto *preview = dynamic_cast<report::ReportPreview *>(&dialog))
                shown = preview->document();
            return int(QDialog::Rejected);
        };
        screen->findChild<QPushButton *>(u"bbtPreview"_s)->click();
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[0])),
                 QStringList{u"*시즌: 2026-2027 시즌   지역구분: 본관"_s});
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[1])), QStringList{u"보관상태: [전체]   보관구분: 시즌보관"_s});
        QCOMPARE(Texts(shown.named(0, report::ConditionItems[2])),
                 QStringList{u"장비구분: [전체]   장비명구분: [전체]   보관자명: 보관"_s});
        QCOMPARE(Texts(shown.named(0, report::LayoutIdItem)), QStringList{u"EBP100"_s});
    }

    void seasonChecksComeFirst_data()
    {
        QTest::addColumn<QString>("season");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QString() << u"*시즌을(를) 먼저 입력하십시오."_s;
        QTest::newRow("unknown") << u"99"_s << u"*시즌을(를) 정확히 입력하십시오."_s;
    }
    void seasonChecksComeFirst()
    {
        QFETCH(QString, season);
        QFETCH(QString, message);
        auto *screen = open<TfrmEBS120>();
        screen->findChild<QLineEdit *>(u"edtSeason"_s)->setText(season);
        screen->findChild<MaskEdit *>(u"wmeIpgoDateFrom"_s)->setText(u"20261301"_s);
        search();
        QCOMPARE(m_boxes->texts(), QStringList{message});
        QCOMPARE(QApplication::focusWidget()->objectName(), u"edtSeason"_s);
    }

    // F11: the printer the operator picks gets every page, while a progress
    // window with Cancel is up; the same pages go to a PDF from the preview.
    void printAndPdfCarryTheSamePages()
    {
        auto *screen = open<TfrmEBS060>();
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(QDate(2025, 1, 10));
        search();
        m_boxes->printerFile = m_dir.filePath(u"printed.pdf"_s);
        bool progressShown = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (QWidget *w = TopLevel(u"frmPrintProgress"_s); w && w->isVisible() && w->findChild<QPushButton *>(u"bbtCancel"_s))
                progressShown = true;
        });
        watch.start(0);
        QTest::keyClick(screen, Qt::Key_F11);
        watch.stop();
        QCOMPARE(m_boxes->printerQuestions, 1);
        QVERIFY(progressShown);
        const QString printed = PdfText(m_boxes->printerFile);
        for (const QString &expected : {u"일일 장비대여 현황"_s, u"*대여일자: 2025-01-10"_s,
                                        u"*지역구분: 본관 *상태구분: [전체] *권종구분: [전체]"_s, u"임꺽정"_s,
                                        u"2025-01-12"_s, u"건수: 6"_s, u"1 / 1"_s, u"EBP060"_s})
            QVERIFY2(printed.contains(expected), qPrintable(expected + u" is not printed:\n"_s + printed));

        const QString pdf = m_dir.filePath(u"preview"_s);
        m_boxes->fileNames = {pdf};
        m_boxes->dialogScript = [](QDialog &dialog) {
            dialog.findChild<QToolButton *>(u"sbtPdf"_s)->click();
            return int(QDialog::Rejected);
        };
        screen->findChild<QPushButton *>(u"bbtPreview"_s)->click();
        // The same pages, printed a moment apart.
        const QRegularExpression time(u"Date : [0-9: -]+"_s);
        QCOMPARE(PdfText(pdf + u".pdf"_s).replace(time, u"Date"_s), QString(printed).replace(time, u"Date"_s));
    }

    // Cancel in the progress window: nothing half done reaches the printer.
    void cancelledPrintSendsNothing()
    {
        auto *screen = open<TfrmEBS060>();
        screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(QDate(2025, 1, 10));
        search();
        m_boxes->printerFile = m_dir.filePath(u"cancelled.pdf"_s);
        QTimer cancel;
        connect(&cancel, &QTimer::timeout, this, [&] {
            if (QWidget *w = TopLevel(u"frmPrintProgress"_s))
                w->findChild<QPushButton *>(u"bbtCancel"_s)->click();
        });
        cancel.start(0);
        QTest::keyClick(screen, Qt::Key_F11);
        cancel.stop();
        QVERIFY(!QFile::exists(m_boxes->printerFile));
        QCOMPARE(m_boxes->boxes.size(), 0);
    }

    void nothingToPrintBeforeASearch()
    {
        auto *screen = open<TfrmEBS080>();
        bool shown = false;
        m_boxes->dialogScript = [&](QDialog &) {
            shown = true;
            return int(QDialog::Rejected);
        };
        QTest::keyClick(screen, Qt::Key_F11, Qt::ShiftModifier);
        QTest::keyClick(screen, Qt::Key_F11);
        QVERIFY(!shown);
        QCOMPARE(m_boxes->printerQuestions, 0);
        QCOMPARE(screen->StatusMessage(), u"조회 결과가 없습니다. 조회를 먼저 하십시오."_s);
    }

private:
    template <typename Screen>
    Screen *open()
    {
        auto shown = std::make_shared<ShownScreen<Screen>>();
        m_shown = shown;
        m_screen = shown->get();
        if (auto *season = m_screen->template findChild<QLineEdit *>(u"edtSeason"_s))
            season->setText(u"26"_s);
        return static_cast<Screen *>(m_screen);
    }
    TfrmEZS000 *openCounting(const QString &id)
    {
        TfrmEZS000 *screen = nullptr;
        if (id == u"EBS080"_s) {
            screen = open<TfrmEBS080>();
            screen->findChild<QDateEdit *>(u"dtpDate"_s)->setDate(QDate(2025, 1, 10));
        } else if (id == u"EBS090"_s) {
            screen = open<TfrmEBS090>();
        } else if (id == u"EBS120"_s) {
            screen = open<TfrmEBS120>();
        } else {
            screen = open<TfrmEBS130>();
        }
        return screen;
    }
    void search() { QTest::keyClick(m_screen, Qt::Key_F3); }
    GridModel &grid() { return *m_screen->findChild<GridModel *>(u"cdsQuery"_s); }

    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<PdfPrinterModal> m_boxes;
    std::shared_ptr<void> m_shown; // the ShownScreen of m_screen
    TfrmEZS000 *m_screen = nullptr;
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
