#include "LocalReportServer.h"
#include "ReportDefinition.h"
#include "ReportLocation.h"
#include "ReportPreview.h"
#include "ReportViewer.h"
#include "TestDatabase.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Period = u"/rp [20261201] [20270228]"_s;

// A definition of two date values over the accidents, its SQL given.
QByteArray definitionWith(const QString &sql, int parameters = 2)
{
    QString params;
    for (int i = 0; i < parameters; ++i)
        params += (i ? u", "_s : QString()) + u"{\"name\": \"D%1\", \"caption\": \"일자%1\", \"kind\": \"date\"}"_s.arg(i + 1);
    return uR"({"format": "kest-report", "version": 1, "id": "T1", "title": "시험",
  "params": [%1], "sql": "%2",
  "columns": [{"title": "건수", "field": "N", "width": 30, "align": "right", "sum": true}]})"_s
        .arg(params, sql)
        .toUtf8();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// The report viewer on its own: where a definition lies and what it is
// opened with, reading definitions, and everything that can go wrong
// between the file and the pages, shown in the viewer's area.
class TestViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminRunFile(QStringLiteral(VIEWER_FIXTURE));
        QVERIFY(m_folder.isValid());
    }
    void cleanupTestCase() { m_db.reset(); }

    void location_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("location");
        QTest::newRow("server") << u"http://reports.kest:8080"_s << u"a.mrd"_s
                                << u"http://reports.kest:8080/REPORT/%EC%8A%A4%ED%8F%AC%EC%B8%A0%EA%B4%80%EB%A6%AC/a.mrd"_s;
        QTest::newRow("server, slash, Hangul file")
            << u"http://10.0.0.5:8080/"_s << u"01.전년대비부상자전체현황.mrd"_s
            << u"http://10.0.0.5:8080/REPORT/%EC%8A%A4%ED%8F%AC%EC%B8%A0%EA%B4%80%EB%A6%AC/"
               u"01.%EC%A0%84%EB%85%84%EB%8C%80%EB%B9%84%EB%B6%80%EC%83%81%EC%9E%90%EC%A0%84%EC%B2%B4%ED%98%84%ED%99%A9.mrd"_s;
        QTest::newRow("blank in file") << u"https://h:8080"_s << u"a b.mrd"_s
                                       << u"https://h:8080/REPORT/%EC%8A%A4%ED%8F%AC%EC%B8%A0%EA%B4%80%EB%A6%AC/a%20b.mrd"_s;
        QTest::newRow("folder") << u"/usr/share/kest/reports"_s << u"01.전년대비부상자전체현황.mrd"_s
                                << u"/usr/share/kest/reports/01.전년대비부상자전체현황.mrd"_s;
        QTest::newRow("folder with slash") << u"/srv/리포트/"_s << u"02.시간대별부상자현황.mrd"_s
                                           << u"/srv/리포트/02.시간대별부상자현황.mrd"_s;
    }
    void location()
    {
        QFETCH(QString, base);
        QFETCH(QString, file);
        QFETCH(QString, location);
        QCOMPARE(viewer::ReportLocation(base, file), location);
        QCOMPARE(viewer::LocationFileName(location), file);
    }

    void parameterString_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("text"); // empty: refused
        QTest::newRow("eight digits") << QStringList{u"20261201"_s, u"20270228"_s} << u"/rp [20261201] [20270228]"_s;
        QTest::newRow("dashed") << QStringList{u"2026-12-01"_s, u"2027-02-28"_s} << u"/rp [2026-12-01] [2027-02-28]"_s;
        QTest::newRow("one value") << QStringList{u"P1"_s} << u"/rp [P1]"_s;
        QTest::newRow("Hangul and blanks") << QStringList{u"본관 1층"_s, u""_s} << u"/rp [본관 1층] []"_s;
        QTest::newRow("none") << QStringList{} << u"/rp"_s;
        QTest::newRow("closing bracket") << QStringList{u"a]b"_s, u"x"_s} << QString();
        QTest::newRow("opening bracket after blank") << QStringList{u"x"_s, u"a [b"_s} << QString();
    }
    void parameterString()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, text);
        QString problem;
        const std::optional<QString> built = viewer::ParameterString(values, &problem);
        if (text.isEmpty()) {
            QVERIFY(!built);
            QVERIFY(problem.contains(u"\"]\" 또는 \" [\""_s));
            return;
        }
        QCOMPARE(built.value_or(u"(refused)"_s), text);
        QCOMPARE(viewer::ParseParameterString(text).value_or(QStringList{u"(unread)"_s}), values);
    }

    void dateValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("eight digits") << u"20270131"_s << u"20270131"_s;
        QTest::newRow("dashed") << u"2027-01-31"_s << u"20270131"_s;
        QTest::newRow("leap day") << u"2028-02-29"_s << u"20280229"_s;
        QTest::newRow("no such day") << u"20270229"_s << QString();
        QTest::newRow("slashes") << u"2027/01/31"_s << QString();
        QTest::newRow("short year") << u"27-01-31"_s << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void dateValues()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QCOMPARE(viewer::DateKeyOf(text), key);
    }

    // Faults of a definition named before anything is read.
    void definitionFaults_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no JSON") << QByteArray("SELECT 1") << u"형식이 잘못되었습니다"_s;
        QTest::newRow("another format") << QByteArray(R"({"format": "x", "version": 1})") << u"보고서 정의 파일이 아닙니다"_s;
        QTest::newRow("newer version")
            << definitionWith(u"SELECT 1 AS n"_s).replace("\"version\": 1", "\"version\": 2") << u"판 2은(는)"_s;
        QTest::newRow("insert") << definitionWith(u"INSERT INTO eb010ms (run_date) VALUES (:D1)"_s)
                                << u"조회(SELECT, WITH)만"_s;
        QTest::newRow("write in a WITH")
            << definitionWith(u"WITH x AS (DELETE FROM ee010ms WHERE trob_date = :D1 RETURNING 1) SELECT count(*) AS n FROM x"_s)
            << u"자료를 변경합니다(DELETE)"_s;
        QTest::newRow("two statements") << definitionWith(u"SELECT 1 AS n; SELECT 2"_s) << u"한 문장"_s;
        QTest::newRow("undeclared value") << definitionWith(u"SELECT count(*) AS n FROM ee010ms WHERE trob_date = :D9"_s)
                                          << u":D9이(가) 인수로 선언되지"_s;
        QTest::newRow("chart of an unknown kind")
            << definitionWith(u"SELECT 1 AS n"_s).replace(
                   "]}", R"(], "chart": {"category": "N", "series": [{"field": "N", "kind": "pie"}]}})")
            << u"그래프 계열의 종류 \"pie\""_s;
        QTest::newRow("chart without series")
            << definitionWith(u"SELECT 1 AS n"_s).replace("]}", R"(], "chart": {"category": "N"}})")
            << u"\"category\"와 \"series\""_s;
        QTest::newRow("no columns")
            << QByteArray(R"({"format": "kest-report", "version": 1, "id": "T", "title": "t", "sql": "SELECT 1"})")
            << u"열이 없습니다"_s;
    }
    void definitionFaults()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, problem);
        QString said;
        QVERIFY(!viewer::ReadDefinition(text, &said));
        QVERIFY2(said.contains(problem), qPrintable(said));
    }

    // Optional values may be left off the end only: bound empty.
    void optionalValues_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("bound"); // empty: refused
        QTest::newRow("all given") << QStringList{u"20261201"_s, u"A"_s, u"B"_s}
                                   << QStringList{u"20261201"_s, u"A"_s, u"B"_s};
        QTest::newRow("last left off") << QStringList{u"20261201"_s, u"A"_s}
                                       << QStringList{u"20261201"_s, u"A"_s, QString()};
        QTest::newRow("both left off") << QStringList{u"20261201"_s}
                                       << QStringList{u"20261201"_s, QString(), QString()};
        QTest::newRow("required left off") << QStringList{} << QStringList{};
        QTest::newRow("one too many") << QStringList{u"20261201"_s, u"A"_s, u"B"_s, u"C"_s} << QStringList{};
    }
    void optionalValues()
    {
        QFETCH(QStringList, values);
        QFETCH(QStringList, bound);
        const QByteArray text = definitionWith(u"SELECT count(*) AS n FROM ee010ms WHERE trob_date >= :D1"_s, 1)
                                    .replace(R"(], "sql")", R"(, {"name": "O1", "optional": true}, {"name": "O2", "optional": true}], "sql")");
        QString problem;
        const std::optional<viewer::Definition> definition = viewer::ReadDefinition(text, &problem);
        QVERIFY2(definition, qPrintable(problem));
        const std::optional<QStringList> got = viewer::BindValues(*definition, values, &problem);
        if (bound.isEmpty()) {
            QVERIFY(!got);
            QVERIFY2(problem.contains(u"개수"_s), qPrintable(problem));
        } else {
            QVERIFY2(got, qPrintable(problem));
            QCOMPARE(*got, bound);
        }
    }
    void requiredAfterOptionalRefused()
    {
        const QByteArray text = definitionWith(u"SELECT 1 AS n"_s, 1)
                                    .replace(R"(], "sql")", R"(, {"name": "O1", "optional": true}, {"name": "R2"}], "sql")");
        QString problem;
        QVERIFY(!viewer::ReadDefinition(text, &problem));
        QVERIFY2(problem.contains(u"R2"_s), qPrintable(problem));
    }

    // A word in a comment or a quoted text is no write.
    void wordsInTextsAreNoWrites()
    {
        QString problem;
        QVERIFY2(viewer::ReadDefinition(definitionWith(u"-- update monthly\\nSELECT count(*) AS n FROM ee010ms "
                                                       u"WHERE in_name <> 'DELETE' AND trob_date >= :D1 AND trob_date <= :D2"_s),
                                        &problem),
                 qPrintable(problem));
    }

    // Each failure in the viewer's area: what failed, the file, the cause.
    void failuresShown_data()
    {
        QTest::addColumn<QString>("setup"); // which location
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("missing file") << u"folder:없는보고서.mrd"_s << Period
                                      << QStringList{u"보고서 파일이 없습니다."_s, u"파일: 없는보고서.mrd"_s, u"폴더에 없습니다"_s};
        QTest::newRow("missing on the server") << u"server:없는보고서.mrd"_s << Period
                                               << QStringList{u"보고서 파일이 없습니다."_s, u"파일: 없는보고서.mrd"_s,
                                                              u"HTTP 404"_s};
        QTest::newRow("unreachable server") << u"closed:01.전년대비부상자전체현황.mrd"_s << Period
                                            << QStringList{u"보고서 서버에 연결할 수 없습니다."_s,
                                                           u"파일: 01.전년대비부상자전체현황.mrd"_s, u"원인: "_s};
        QTest::newRow("server that never answers")
            << u"silent:01.전년대비부상자전체현황.mrd"_s << Period
            << QStringList{u"보고서 서버에 연결할 수 없습니다."_s, u"안에 응답이 없습니다"_s};
        QTest::newRow("failed query") << u"folder:bad_column.mrd"_s << Period
                                      << QStringList{u"보고서 자료를 읽지 못했습니다."_s, u"파일: bad_column.mrd"_s,
                                                     u"no_such_column"_s};
        QTest::newRow("one value short") << u"folder:01.전년대비부상자전체현황.mrd"_s << u"/rp [20261201]"_s
                                         << QStringList{u"보고서 인수가 맞지 않습니다."_s,
                                                        u"2개가 필요한데 1개를 받았습니다."_s};
        QTest::newRow("one value over") << u"folder:01.전년대비부상자전체현황.mrd"_s << u"/rp [20261201] [20270228] [x]"_s
                                        << QStringList{u"3개를 받았습니다."_s};
        QTest::newRow("a date that is none") << u"folder:01.전년대비부상자전체현황.mrd"_s << u"/rp [20261301] [20270228]"_s
                                             << QStringList{u"검색기간 FROM이(가) 날짜가 아닙니다: \"20261301\""_s};
        QTest::newRow("no parameter string") << u"folder:01.전년대비부상자전체현황.mrd"_s << u"[20261201] [20270228]"_s
                                             << QStringList{u"\"/rp [값] [값]\" 꼴이 아닙니다"_s};
        QTest::newRow("broken definition") << u"folder:broken.mrd"_s << Period
                                           << QStringList{u"보고서 정의를 읽을 수 없습니다."_s, u"파일: broken.mrd"_s};
    }
    void failuresShown()
    {
        QFETCH(QString, setup);
        QFETCH(QString, parameters);
        QFETCH(QStringList, said);
        writeFile(m_folder.filePath(u"bad_column.mrd"_s),
                  definitionWith(u"SELECT no_such_column AS n FROM ee010ms WHERE trob_date BETWEEN :D1 AND :D2"_s));
        writeFile(m_folder.filePath(u"broken.mrd"_s), "{\"format\": \"kest-report\", ");
        const QString kind = setup.section(u':', 0, 0);
        const QString file = setup.section(u':', 1);
        const QString folder = file.startsWith(u"0"_s) ? QStringLiteral(REPORTS_ROOT) : m_folder.path();
        LocalReportServer server(folder);
        QString base = folder;
        if (kind == u"server"_s || kind == u"silent"_s)
            base = server.base();
        server.setSilent(kind == u"silent"_s);
        if (kind == u"closed"_s) {
            base = server.base();
            server.close();
        }
        ReportViewer viewer;
        viewer.setTimeout(500);
        QSignalSpy failed(&viewer, &ReportViewer::failed);
        viewer.open(viewer::ReportLocation(base, file), parameters);
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 10000);
        QVERIFY(!viewer.document());
        for (const QString &part : said)
            QVERIFY2(viewer.message().contains(part), qPrintable(viewer.message()));
        QCOMPARE(failed.first().first().toString(), viewer.message());
    }

    // A definition that would write is refused whatever it calls: the
    // read-only transaction stops what the reader cannot see (a function).
    void writingDefinitionRefused()
    {
        writeFile(m_folder.filePath(u"writes.mrd"_s),
                  definitionWith(u"SELECT 1 AS n FROM pr_ebi010_01(arun_date => :D1, au_emp_no => 'T0001', "
                                 u"au_ip => '10.1.2.3') WHERE :D2 <> ''"_s));
        ReportViewer viewer;
        viewer.open(viewer::ReportLocation(m_folder.path(), u"writes.mrd"_s), Period);
        QVERIFY2(viewer.message().startsWith(u"자료를 변경하는 보고서는 열 수 없습니다.\n파일: writes.mrd\n"_s),
                 qPrintable(viewer.message()));
        QVERIFY(!viewer.document());
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM eb010ms WHERE run_date = '20261201'"_s), u"0"_s);
    }

    // Served over HTTP from the loopback server or read from the folder,
    // one definition gives one set of pages; the zoom is the caller's.
    void serverAndFolderAgree()
    {
        LocalReportServer server(QStringLiteral(REPORTS_ROOT));
        const QString file = u"07.부상자의부상종류별현황.mrd"_s;
        const QDateTime at(QDate(2027, 3, 2), QTime(9, 0));
        ReportViewer fromFolder;
        fromFolder.setPrintedAt(at);
        QVERIFY(fromFolder.open(viewer::ReportLocation(QStringLiteral(REPORTS_ROOT), file), Period));
        QVERIFY(fromFolder.document());
        ReportViewer fromServer;
        fromServer.setPrintedAt(at);
        QSignalSpy opened(&fromServer, &ReportViewer::opened);
        fromServer.setAutoAdjust(0);
        fromServer.setZoomRatio(90);
        fromServer.open(viewer::ReportLocation(server.base(), file), Period);
        QVERIFY(fromServer.loading());
        QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 1, 10000);
        QCOMPARE(server.requests(), QStringList{u"/REPORT/스포츠관리/"_s + file});
        QVERIFY(fromServer.document());
        QCOMPARE(fromServer.document()->pages.size(), fromFolder.document()->pages.size());
        for (int p = 0; p < fromFolder.document()->pages.size(); ++p) {
            const auto &a = fromFolder.document()->pages.at(p).items;
            const auto &b = fromServer.document()->pages.at(p).items;
            QCOMPARE(a.size(), b.size());
            for (qsizetype i = 0; i < a.size(); ++i)
                QCOMPARE(a.at(i).text, b.at(i).text);
        }
        QCOMPARE(fromServer.preview()->zoom(), 0.9);
        QCOMPARE(fromServer.calls(),
                 (QStringList{u"AutoAdjust 0"_s, u"ZoomRatio 90"_s,
                              u"Open "_s + viewer::ReportLocation(server.base(), file) + u' ' + Period}));
    }

    // The pages are part of the viewer, not a dialog of their own: Esc
    // in them leaves them where they are.
    void escapeKeepsThePages()
    {
        ReportViewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY(viewer.open(viewer::ReportLocation(QStringLiteral(REPORTS_ROOT), u"03.부상자의성별현황.mrd"_s), Period));
        QTest::keyClick(viewer.preview(), Qt::Key_Escape);
        QVERIFY(viewer.preview()->isVisible());
        QVERIFY(viewer.document());
    }

    // A later open wins over an answer still on its way.
    void laterOpenWins()
    {
        LocalReportServer slow(QStringLiteral(REPORTS_ROOT));
        slow.setSilent(true);
        ReportViewer viewer;
        viewer.setTimeout(5000);
        QSignalSpy failed(&viewer, &ReportViewer::failed);
        viewer.open(viewer::ReportLocation(slow.base(), u"01.전년대비부상자전체현황.mrd"_s), Period);
        QVERIFY(viewer.loading());
        QVERIFY(viewer.open(viewer::ReportLocation(QStringLiteral(REPORTS_ROOT), u"03.부상자의성별현황.mrd"_s), Period));
        QVERIFY(viewer.document());
        QCOMPARE(viewer.document()->id, u"EER003"_s);
        QTest::qWait(200);
        QCOMPARE(failed.size(), 0);
        QVERIFY(viewer.document());
    }

private:
    std::unique_ptr<TestDatabase> m_db;
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
