#include "FieldTable.h"
#include "ListLayout.h"
#include "PageDump.h"
#include "RecordingModal.h"
#include "ReportLocation.h"
#include "ReportViewer.h"
#include "ScreenDispatch.h"
#include "TestDatabase.h"
#include "ZZS020.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Every case folder: tests/<part>/report_pages/<case>.
QStringList CaseFolders()
{
    QStringList folders;
    const QDir tests(QStringLiteral(TESTS_ROOT));
    for (const QString &part : tests.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir pages(tests.filePath(part + u"/report_pages"_s));
        if (pages.exists())
            for (const QString &name : pages.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
                folders.append(pages.filePath(name));
    }
    return folders;
}

// The search screens of the dispatch table that print, by screen id.
QStringList PrintingScreens()
{
    QStringList ids;
    ScreenDispatch dispatch;
    for (const QString &id : TfrmE0Main::ScreenIds()) {
        const std::unique_ptr<TfrmZZI000> screen(dispatch.open(id));
        if (auto *search = qobject_cast<TfrmZZS020 *>(screen.get()); search && search->PrintedLayout())
            ids.append(id);
    }
    return ids;
}

} // namespace

// The printed layouts of the search screens: each folder under a
// report_pages/ folder of the tests is one printed search of one screen:
//   case.json     "screen" (the search screen's id) and "search" (its search
//                 controls by name and the values typed into them), "layout"
//                 (the id the pages carry), the texts a run sets besides the
//                 condition lines (totals), the print time and the rows read;
//   expected.txt  the page model, one item a line (tests/reporting/PageDump.h),
//                 the condition lines as the screen fills them included.
// A new printed layout's test is a new folder.
class TestLayouts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }

    void goldenLayouts_data()
    {
        QTest::addColumn<QString>("folder");
        const QStringList folders = CaseFolders();
        QVERIFY(!folders.isEmpty());
        for (const QString &folder : folders)
            QTest::newRow(qPrintable(QDir(folder).dirName())) << folder;
    }
    void goldenLayouts()
    {
        QFETCH(QString, folder);
        RecordingModal boxes;
        ScreenDispatch dispatch;
        std::unique_ptr<TfrmZZI000> screen;
        QString setUp;
        const QString problem = CheckCaseFolder(folder, [&](const QJsonObject &object, const GoldenCase &run)
                                                    -> std::optional<report::Document> {
            if (object.contains(u"report"_s))
                return ViewerPages(object, run, setUp);
            screen.reset(dispatch.open(object.value(u"screen"_s).toString()));
            auto *search = qobject_cast<TfrmZZS020 *>(screen.get());
            if (!search)
                return std::nullopt;
            const QJsonObject values = object.value(u"search"_s).toObject();
            for (auto it = values.begin(); it != values.end(); ++it) {
                if (auto *control = screen->findChild<QWidget *>(it.key()))
                    SetControlValue(control, it.value().toString());
                else
                    setUp += u"no search control "_s + it.key() + u"; "_s;
            }
            const std::unique_ptr<TfrmZZP010> layout = search->PrintedLayout();
            if (!layout || layout->ReportId() != object.value(u"layout"_s).toString())
                return std::nullopt;
            for (auto it = run.inputs.texts.begin(); it != run.inputs.texts.end(); ++it)
                layout->SetText(it.key(), it.value());
            layout->SetPrintedAt(run.inputs.printedAt);
            layout->SetRows(run.rows);
            return layout->Pages();
        });
        QVERIFY2(setUp.isEmpty(), qPrintable(setUp));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(boxes.boxes.isEmpty());
    }

    // Nor does a definition of the report viewer.
    void everyReportDefinitionHasACase()
    {
        QStringList covered;
        for (const QString &folder : CaseFolders()) {
            QFile file(QDir(folder).filePath(u"case.json"_s));
            QVERIFY(file.open(QIODevice::ReadOnly));
            covered.append(QJsonDocument::fromJson(file.readAll()).object().value(u"report"_s).toString());
        }
        const QStringList files = QDir(QStringLiteral(REPORTS_ROOT)).entryList({u"*.mrd"_s}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString &file : files)
            QVERIFY2(covered.contains(file), qPrintable(file + u" has no report_pages folder"_s));
    }

    // No printed layout goes without its golden pages.
    void everyPrintingScreenHasACase()
    {
        QStringList covered;
        for (const QString &folder : CaseFolders()) {
            QFile file(QDir(folder).filePath(u"case.json"_s));
            QVERIFY(file.open(QIODevice::ReadOnly));
            covered.append(QJsonDocument::fromJson(file.readAll()).object().value(u"screen"_s).toString());
        }
        const QStringList printing = PrintingScreens();
        QVERIFY(!printing.isEmpty());
        for (const QString &id : printing)
            QVERIFY2(covered.contains(id), qPrintable(id + u" prints, but no report_pages folder shows it"_s));
    }

    // Every layout on an empty result: one page with its title, the
    // conditions and the footer with its own id.
    void emptyLayoutIsTitleConditionsAndFooter_data()
    {
        QTest::addColumn<QString>("screen");
        for (const QString &id : PrintingScreens())
            QTest::newRow(qPrintable(id)) << id;
    }
    void emptyLayoutIsTitleConditionsAndFooter()
    {
        QFETCH(QString, screen);
        ScreenDispatch dispatch;
        const std::unique_ptr<TfrmZZI000> opened(dispatch.open(screen));
        const std::unique_ptr<TfrmZZP010> layout = qobject_cast<TfrmZZS020 *>(opened.get())->PrintedLayout();
        const QString id = layout->ReportId();
        layout->SetCondition1(u"첫째 줄"_s);
        layout->SetCondition2(u"둘째 줄"_s);
        layout->SetCondition(u"셋째 줄"_s);
        const report::Document document = layout->Pages();
        QCOMPARE(document.pages.size(), 1);
        const auto texts = [&](const QString &name) {
            QStringList out;
            for (const report::PageItem &item : document.named(0, name))
                out << item.text;
            return out;
        };
        QCOMPARE(texts(report::TitleItem), QStringList{layout->Title()});
        QCOMPARE(texts(report::ConditionItems[0]), QStringList{u"첫째 줄"_s});
        QCOMPARE(texts(report::ConditionItems[1]), QStringList{u"둘째 줄"_s});
        QCOMPARE(texts(report::ConditionItems[2]), QStringList{u"셋째 줄"_s});
        QCOMPARE(texts(report::PageNumberItem), QStringList{u"1 / 1"_s});
        QCOMPARE(texts(report::LayoutIdItem), QStringList{id});
        QCOMPARE(document.named(0, u"imgLogo"_s).size(), 1);
        for (const report::PageItem &item : document.pages.first().items)
            QVERIFY2(item.band == report::BandKind::Title || item.band == report::BandKind::PageFooter,
                     qPrintable(u"printed on an empty result: "_s + item.text));
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    QSet<QString> m_fixtures;

    // A viewer case: "report" (a file of reports/), "parameters" as a screen
    // sends them, "fixture" (SQL under tests/, loaded once) and the print
    // time; the pages as the viewer shows them, its query run included.
    std::optional<report::Document> ViewerPages(const QJsonObject &object, const GoldenCase &run, QString &setUp)
    {
        const QString fixture = object.value(u"fixture"_s).toString();
        if (!fixture.isEmpty() && !m_fixtures.contains(fixture)) {
            m_db->adminRunFile(QStringLiteral(TESTS_ROOT) + u'/' + fixture);
            m_fixtures.insert(fixture);
        }
        ReportViewer viewer;
        viewer.setPrintedAt(run.inputs.printedAt);
        viewer.open(viewer::ReportLocation(QStringLiteral(REPORTS_ROOT), object.value(u"report"_s).toString()),
                    object.value(u"parameters"_s).toString());
        if (!viewer.document()) {
            setUp += viewer.message();
            return std::nullopt;
        }
        return *viewer.document();
    }
};

QTEST_MAIN(TestLayouts)
#include "tst_layouts.moc"
