#include "EES001.h"
#include "EES003.h"
#include "EES004.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "LocalReportServer.h"
#include "RecordingModal.h"
#include "ReportLocation.h"
#include "ReportPreview.h"
#include "ReportViewer.h"
#include "ShownScreen.h"
#include "StartupValues.h"
#include "TestDatabase.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString File01 = u"01.전년대비부상자전체현황.mrd"_s;

std::unique_ptr<TfrmViewerList> makeScreen(const QString &id)
{
    if (id == u"EES001"_s)
        return std::make_unique<TfrmEES001>();
    if (id == u"EES003"_s)
        return std::make_unique<TfrmEES003>();
    return std::make_unique<TfrmEES004>();
}

// The screen with the period typed and searched, its first report opened.
bool searchPeriod(ShownScreen<TfrmViewerList> &screen)
{
    auto *from = screen->findChild<DateEdit *>(u"dtpFromDate"_s);
    auto *to = screen->findChild<DateEdit *>(u"dtpToDate"_s);
    if (!from || !to)
        return false;
    from->setDateKey(u"20261201"_s);
    to->setDateKey(u"20270228"_s);
    screen.press(Qt::Key_F3);
    auto *grid = screen->findChild<GridView *>(u"rgrGrid"_s);
    return grid && grid->model()->rowCount() > 0;
}

// The viewer's pages as texts in order, for comparing two shows.
QStringList pageTexts(const report::Document &document)
{
    QStringList texts;
    for (const report::Page &page : document.pages)
        for (const report::PageItem &item : page.items)
            texts.append(item.text);
    return texts;
}

} // namespace

// The report screens of the patrol: the list of "E0054", a row change
// showing its report with the period, report "01" from the folder, the
// server and both date forms alike.
class TestAccidentReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminRunFile(QStringLiteral(VIEWER_FIXTURE));
        m_db->adminExec(u"INSERT INTO zx010ms (head, detail, detail_name) VALUES ('E0054', '99', '파일 없는 보고서')"_s);
        m_server = std::make_unique<LocalReportServer>(QStringLiteral(REPORTS_ROOT));
        QVERIFY(m_server->isListening());
        QVERIFY(m_config.isValid());
        QFile ini(m_config.filePath(u"Main.ini"_s));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write((u"[REPORT]\nSERVER="_s + m_server->base() + u"\nLOCAL_FOLDER="_s + QStringLiteral(REPORTS_ROOT)
                   + u"\nTIMEOUT=10\n"_s)
                      .toUtf8());
        ini.close();
        SetSystemConfigDir(m_config.path());
    }
    void cleanupTestCase()
    {
        m_server.reset();
        m_db.reset();
    }

    // Every show makes the three calls in order; the period goes as the
    // screen sends it; a code without a file, or one the screen does not
    // know, shows nothing new.
    void threeCallsOnEveryShow_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<int>("secondRow"); // the row moved to next
        QTest::addColumn<QString>("secondFile"); // empty: nothing new shows
        QTest::newRow("EES001") << u"EES001"_s << u"server"_s << u"/rp [20261201] [20270228]"_s << 4
                                << u"05.부상자의지역별현황.mrd"_s;
        QTest::newRow("EES001 unknown code") << u"EES001"_s << u"server"_s << u"/rp [20261201] [20270228]"_s << 14
                                             << QString();
        QTest::newRow("EES003") << u"EES003"_s << u"folder"_s << u"/rp [2026-12-01] [2027-02-28]"_s << 1 << QString();
        QTest::newRow("EES004") << u"EES004"_s << u"server"_s << u"/rp [2026-12-01] [2027-02-28]"_s << 2 << QString();
    }
    void threeCallsOnEveryShow()
    {
        QFETCH(QString, screen);
        QFETCH(QString, base);
        QFETCH(QString, parameters);
        QFETCH(int, secondRow);
        QFETCH(QString, secondFile);
        RecordingModal boxes;
        ShownScreen<TfrmViewerList> shown(openLater);
        QVERIFY(shown.take(makeScreen(screen)));
        QVERIFY(searchPeriod(shown));
        ReportViewer *viewer = shown->Viewer();
        QCOMPARE(viewer->objectName(), u"Rdviewer401"_s);
        const QString root = base == u"server"_s ? m_server->base() : QStringLiteral(REPORTS_ROOT);
        const auto show = [&](const QString &file) {
            return QStringList{u"AutoAdjust 0"_s, u"ZoomRatio 90"_s,
                               u"Open "_s + viewer::ReportLocation(root, file) + u' ' + parameters};
        };
        QCOMPARE(viewer->calls(), show(File01));
        QTRY_VERIFY_WITH_TIMEOUT(viewer->document(), 10000);
        QCOMPARE(viewer->document()->id, u"EER001"_s);

        viewer->clearCalls();
        shown->findChild<GridView *>(u"rgrGrid"_s)->setCurrentRow(secondRow);
        QCOMPARE(viewer->calls(), secondFile.isEmpty() ? QStringList{} : show(secondFile));
        if (!secondFile.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(viewer->document() && viewer->document()->id == u"EER005"_s, 10000);

        // Back on the first row: shown again with the same three calls.
        viewer->clearCalls();
        shown->findChild<GridView *>(u"rgrGrid"_s)->setCurrentRow(0);
        QCOMPARE(viewer->calls(), show(File01));
        QTRY_VERIFY_WITH_TIMEOUT(viewer->document(), 10000);

        // F8 takes the list and its report away.
        shown.press(Qt::Key_F8);
        QVERIFY(!viewer->document());
        QVERIFY(viewer->message().isEmpty());
        QVERIFY(boxes.boxes.isEmpty());
    }

    // The viewer prints: the screen's own Print, Preview and Excel are gone
    // and their keys do nothing.
    void ownOutputHidden_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("EES001") << u"EES001"_s;
        QTest::newRow("EES003") << u"EES003"_s;
        QTest::newRow("EES004") << u"EES004"_s;
    }
    void ownOutputHidden()
    {
        QFETCH(QString, screen);
        RecordingModal boxes;
        ShownScreen<TfrmViewerList> shown(openLater);
        QVERIFY(shown.take(makeScreen(screen)));
        for (const QString &name : {u"bbtPrint"_s, u"bbtPreview"_s, u"bbtExcel"_s}) {
            auto *button = shown->findChild<QPushButton *>(name);
            QVERIFY2(button && button->isHidden(), qPrintable(name));
        }
        QVERIFY(searchPeriod(shown));
        shown.press(Qt::Key_F11);
        shown.press(Qt::Key_F11, Qt::ShiftModifier);
        shown.press(Qt::Key_F11, Qt::ControlModifier);
        QVERIFY(boxes.boxes.isEmpty());
        QVERIFY(boxes.fileNames.isEmpty());
    }

    // Report "01" reads the same from the local folder with dashed dates
    // (EES003) as from the server with eight digits (EES001).
    void report01SameFromEveryScreen()
    {
        RecordingModal boxes;
        QStringList shownTexts[2];
        const QString ids[] = {u"EES001"_s, u"EES003"_s};
        for (int i = 0; i < 2; ++i) {
            ShownScreen<TfrmViewerList> shown(openLater);
            QVERIFY(shown.take(makeScreen(ids[i])));
            shown->Viewer()->setPrintedAt(QDateTime(QDate(2027, 3, 2), QTime(9, 0)));
            QVERIFY(searchPeriod(shown));
            QTRY_VERIFY_WITH_TIMEOUT(shown->Viewer()->document(), 10000);
            shownTexts[i] = pageTexts(*shown->Viewer()->document());
        }
        QVERIFY(shownTexts[0].contains(u"2026년 12월"_s));
        QVERIFY(shownTexts[0].contains(u"검색기간: 2026-12-01  ∼  2027-02-28"_s));
        QCOMPARE(shownTexts[1], shownTexts[0]);
    }

    // Print and PDF of the viewer go through the report engine.
    void viewerSavesPdf()
    {
        RecordingModal boxes;
        ShownScreen<TfrmViewerList> shown(openLater);
        QVERIFY(shown.take(makeScreen(u"EES003"_s)));
        QVERIFY(searchPeriod(shown));
        QVERIFY(shown->Viewer()->document());
        QTemporaryDir out;
        const QString pdf = out.filePath(u"보고서01.pdf"_s);
        boxes.fileNames = {pdf};
        auto *button = shown->Viewer()->findChild<QToolButton *>(u"sbtPdf"_s);
        QVERIFY(button);
        button->click();
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QCOMPARE(boxes.lastText(), u"PDF 파일로 저장했습니다: "_s + pdf);

        boxes.printerAnswer = false; // the operator closes the printer dialog
        shown->Viewer()->findChild<QToolButton *>(u"sbtPrint"_s)->click();
        QCOMPARE(boxes.boxes.size(), 1);
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<LocalReportServer> m_server;
    QTemporaryDir m_config;
};

QTEST_MAIN(TestAccidentReports)
#include "tst_accident_reports.moc"
