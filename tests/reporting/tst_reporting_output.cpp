#include "GridModel.h"
#include "ListLayout.h"
#include "PrintProgress.h"
#include "ReportDocument.h"
#include "ReportPageView.h"
#include "ReportPreview.h"
#include "ReportRenderer.h"
#include "RowSource.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace report;

// The page model on paper: PDF, printer, preview and the progress window.
namespace {

// A rental list with subtotal rows on yellow, `rows` records long.
Document rentalList(int rows)
{
    RecordList records({u"RENT_NO"_s, u"RENT_NAME"_s, u"KIND"_s, u"RENT_DATE"_s});
    for (int i = 1; i <= rows; ++i)
        records.append({u"%1"_s.arg(i, 10, 10, QChar(u'0')), u"홍길동%1"_s.arg(i), i % 5 == 0 ? u"소계"_s : u"스키"_s,
                        u"20240105"_s});
    const Layout layout = ListLayout({
        .id = u"EBP060"_s,
        .title = u"일일 장비대여 현황"_s,
        .columns = {{.title = u"대여번호"_s, .field = u"RENT_NO"_s, .width = 30},
                    {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .width = 40},
                    {.title = u"장비구분"_s, .field = u"KIND"_s, .width = 30},
                    {.title = u"대여일자"_s, .field = u"RENT_DATE"_s, .width = 30, .format = Format::DateKey}},
        .summary = {{.rect = {0, 0, 60, SummaryHeight}, .text = u"건수: %1"_s, .source = Source::Count}},
        .highlight = [](const Scope &s) { return s.value(u"KIND"_s) == u"소계"; },
    });
    return Paginate(layout, records, {.texts = {{ConditionItems[2], u"*지역구분: 본관"_s}}});
}

// Records that fill exactly `pages` pages of the rental list.
int rowsFor(int pages)
{
    int rows = 1;
    while (rentalList(rows + 1).pages.size() <= pages)
        ++rows;
    return rows;
}

// Standard output of a poppler tool; fails the test when it is missing.
QString runTool(const QString &tool, const QStringList &arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        qWarning("%s is missing: scripts/deps installs poppler-utils", qPrintable(tool));
        return {};
    }
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    const QString info = runTool(u"pdfinfo"_s, {path});
    for (const QString &line : info.split(u'\n'))
        if (line.startsWith(u"Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// Cancels before the page `at` is painted; -1 never.
struct Canceller
{
    int at = -1;
    QList<int> seen;
    bool operator()(int done, int)
    {
        seen << done;
        return done != at;
    }
};

} // namespace

class TestReportOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QFont font(DefaultFontFamily);
        QVERIFY2(QFontInfo(font).family() == DefaultFontFamily, "NanumGothic is missing: scripts/deps installs fonts-nanum");
    }

    void pdfHoldsKoreanTextPageNumbersAndItsFont()
    {
        const Document document = rentalList(rowsFor(2));
        QCOMPARE(document.pages.size(), 2);
        const QString path = m_dir.filePath(u"list.pdf"_s);
        QVERIFY(WritePdf(document, path));

        const QString text = runTool(u"pdftotext"_s, {u"-raw"_s, path, u"-"_s});
        for (const QString &expected : {u"일일 장비대여 현황"_s, u"*지역구분: 본관"_s, u"홍길동1"_s, u"2024-01-05"_s,
                                        u"1 / 2"_s, u"2 / 2"_s, u"EBP060"_s, u"건수: %1"_s.arg(rowsFor(2))})
            QVERIFY2(text.contains(expected), qPrintable(expected + u" is not in the PDF text:\n"_s + text));
        QVERIFY2(!text.contains(QChar(1)), "blanks read back as U+0001");
        QCOMPARE(pdfPages(path), 2);

        // pdffonts: name type encoding emb sub uni object ID
        bool embedded = false;
        for (const QString &line : runTool(u"pdffonts"_s, {path}).split(u'\n')) {
            const QStringList columns = line.simplified().split(u' ');
            if (line.contains(u"NanumGothic") && columns.size() >= 5)
                embedded = embedded || columns.at(columns.size() - 5) == u"yes";
        }
        QVERIFY2(embedded, "NanumGothic is not embedded in the PDF");
    }

    void cancelledPrintSendsNothing_data()
    {
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<bool>("printed");
        QTest::newRow("not cancelled") << -1 << true;
        QTest::newRow("before the first page") << 0 << false;
        QTest::newRow("after the first page") << 1 << false;
        QTest::newRow("before the last page") << 2 << false;
    }
    void cancelledPrintSendsNothing()
    {
        QFETCH(int, cancelAt);
        QFETCH(bool, printed);
        const Document document = rentalList(rowsFor(3));
        QCOMPARE(document.pages.size(), 3);
        const QString path = m_dir.filePath(u"printed%1.pdf"_s.arg(cancelAt));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        Canceller canceller{.at = cancelAt};
        QCOMPARE(Print(document, printer, std::ref(canceller)), printed);
        QCOMPARE(QFile::exists(path), printed);
        if (printed) {
            QCOMPARE(canceller.seen, (QList<int>{0, 1, 2, 3}));
            QCOMPARE(pdfPages(path), 3);
        } else {
            QCOMPARE(canceller.seen.last(), cancelAt);
        }
    }

    void cancelledPdfKeepsTheFileThatWasThere()
    {
        const QString path = m_dir.filePath(u"kept.pdf"_s);
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        QVERIFY(!WritePdf(rentalList(rowsFor(2)), path, Canceller{.at = 1}));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("old"));
    }

    void progressWindowCancelStopsThePrint()
    {
        const Document document = rentalList(rowsFor(3));
        const QString path = m_dir.filePath(u"progress.pdf"_s);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        PrintProgress window;
        auto *cancel = window.findChild<QPushButton *>(u"bbtCancel"_s);
        QVERIFY(cancel);
        const Progress callback = window.callback();
        QList<int> seen;
        const bool printed = Print(document, printer, [&](int done, int total) {
            seen << done;
            if (done == 2)
                cancel->click();
            return callback(done, total);
        });
        QVERIFY(!printed);
        QCOMPARE(seen, (QList<int>{0, 1, 2}));
        QCOMPARE(window.maximum(), 3);
        QVERIFY(!QFile::exists(path));
    }

    void paintedColoursLandWhereTheModelPutsThem()
    {
        const Document document = rentalList(10);
        const Page &page = document.pages.first();
        const qreal dotsPerMm = 4;
        QImage image((document.page.size() * dotsPerMm).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            PaintPage(painter, page, dotsPerMm);
        }
        QList<QRectF> fills;
        QRectF titleBox;
        for (const PageItem &item : page.items) {
            if (item.kind == ItemKind::Fill)
                fills << item.rect;
            if (item.kind == ItemKind::Box && item.fill == TitleFill)
                titleBox = item.rect;
        }
        QCOMPARE(fills.size(), 2); // records 5 and 10
        auto pixel = [&](QPointF mm) { return image.pixelColor((mm * dotsPerMm).toPoint()); };
        for (const QRectF &fill : fills) {
            // Right of the last column: no text there.
            const QPointF inside(fill.right() - 1, fill.center().y());
            QCOMPARE(pixel(inside), SubtotalFill);
            QCOMPARE(pixel(inside + QPointF(0, fill.height())), QColor(Qt::white));
        }
        QVERIFY(titleBox.isValid());
        QCOMPARE(pixel(titleBox.topLeft() + QPointF(2, 2)), TitleFill);
    }

    void previewNavigatesZoomsAndAsksToPrint()
    {
        ReportPreview preview(rentalList(rowsFor(3)));
        auto *view = preview.findChild<ReportPageView *>(u"pvwPage"_s);
        QVERIFY(view);
        QSignalSpy painted(view, &ReportPageView::pagePainted);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QTRY_VERIFY(!painted.isEmpty());
        QCOMPARE(painted.first().first().toInt(), 0);

        auto find = [&](const QString &name) { return preview.findChild<QToolButton *>(name); };
        auto *page = preview.findChild<QSpinBox *>(u"spnPage"_s);
        QVERIFY(page);
        QCOMPARE(preview.findChild<QLabel *>(u"lblPageCount"_s)->text(), u"/ 3"_s);
        QVERIFY(!find(u"sbtFirst"_s)->isEnabled());
        QVERIFY(!find(u"sbtPrior"_s)->isEnabled());

        find(u"sbtNext"_s)->click();
        QCOMPARE(preview.currentPage(), 1);
        QCOMPARE(page->value(), 2);
        QTRY_COMPARE(painted.last().first().toInt(), 1);
        find(u"sbtLast"_s)->click();
        QCOMPARE(preview.currentPage(), 2);
        QVERIFY(!find(u"sbtNext"_s)->isEnabled());
        QVERIFY(!find(u"sbtLast"_s)->isEnabled());
        find(u"sbtFirst"_s)->click();
        QCOMPARE(page->value(), 1);
        page->setValue(3);
        QCOMPARE(preview.currentPage(), 2);

        preview.setZoom(1.0);
        const QSize atOne = view->size();
        find(u"sbtZoomIn"_s)->click();
        QCOMPARE(preview.zoom(), 1.25);
        QVERIFY(view->width() > atOne.width());
        find(u"sbtZoomOut"_s)->click();
        find(u"sbtZoomOut"_s)->click();
        QCOMPARE(preview.zoom(), 0.75);
        auto *zoom = preview.findChild<QComboBox *>(u"cboZoom"_s);
        QVERIFY(zoom);
        QCOMPARE(zoom->currentText(), u"75%"_s);

        QSignalSpy print(&preview, &ReportPreview::printRequested);
        find(u"sbtPrint"_s)->click();
        QCOMPARE(print.size(), 1);
        QSignalSpy pdf(&preview, &ReportPreview::pdfRequested);
        find(u"sbtPdf"_s)->click();
        QCOMPARE(pdf.size(), 1);
        find(u"sbtClose"_s)->click();
        QVERIFY(!preview.isVisible());
    }

    // The page keys turn pages wherever the focus is; the window fits the
    // screen it opens on.
    void previewTurnsPagesWithThePageKeysAndFitsItsScreen()
    {
        ReportPreview preview(rentalList(rowsFor(3)));
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(preview.width() <= room.width() && preview.height() <= room.height(),
                 qPrintable(u"%1x%2 on %3x%4"_s.arg(preview.width()).arg(preview.height()).arg(room.width()).arg(room.height())));
        preview.show();
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        const struct
        {
            Qt::Key key;
            int page;
        } steps[] = {{Qt::Key_PageDown, 1}, {Qt::Key_PageDown, 2}, {Qt::Key_PageDown, 2}, {Qt::Key_PageUp, 1},
                     {Qt::Key_Home, 0}, {Qt::Key_End, 2}};
        for (const auto &step : steps) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &preview, step.key);
            QCOMPARE(preview.currentPage(), step.page);
        }
    }

    // Opened, the whole page fills the room the window gives it, whether
    // the window was sized before or after it was shown.
    void previewOpensWithThePageFittingTheWindow_data()
    {
        QTest::addColumn<bool>("sizedFirst");
        QTest::newRow("sized, then shown") << true;
        QTest::newRow("shown, then sized") << false;
    }
    void previewOpensWithThePageFittingTheWindow()
    {
        QFETCH(bool, sizedFirst);
        ReportPreview preview(rentalList(1));
        if (sizedFirst)
            preview.resize(700, 900);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        if (!sizedFirst)
            preview.resize(700, 900);
        auto *scroll = preview.findChild<QScrollArea *>(u"scrPages"_s);
        QVERIFY(scroll);
        auto *view = preview.pageView();
        const auto fits = [&] {
            const QSize room = scroll->viewport()->size();
            return view->height() <= room.height() && view->height() > room.height() * 0.8;
        };
        QTRY_VERIFY2(fits(), qPrintable(u"page %1 high in %2"_s.arg(view->height()).arg(scroll->viewport()->height())));
    }

    void gridRowsFeedTheReport()
    {
        GridModel model;
        model.setColumns({{.title = u"번호"_s, .field = u"NO"_s}, {.title = u"일자"_s, .field = u"DAY"_s}});
        for (int i = 0; i < 3; ++i) {
            const int row = model.insertRecord();
            model.setValue(row, u"NO"_s, QString::number(i + 1));
            model.setValue(row, u"DAY"_s, u"2024010%1"_s.arg(i + 1));
        }
        const ModelRows rows(model);
        const Layout layout = ListLayout({.id = u"GRID"_s,
                                          .columns = {{.title = u"번호"_s, .field = u"no"_s},
                                                      {.title = u"일자"_s, .field = u"day"_s, .format = Format::DateKey}}});
        const Document document = Paginate(layout, rows);
        QStringList texts;
        for (const PageItem &item : document.pages.first().items)
            if (item.band == BandKind::Detail)
                texts << item.text;
        QCOMPARE(texts, (QStringList{u"1"_s, u"2024-01-01"_s, u"2"_s, u"2024-01-02"_s, u"3"_s, u"2024-01-03"_s}));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestReportOutput)
#include "tst_reporting_output.moc"
