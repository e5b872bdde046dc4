#include "RecordingModal.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "ScreenDispatch.h"
#include "TestDatabase.h"
#include "EZS000.h"
#include "ZZI000.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QStringList lower(const QStringList &names)
{
    QStringList result;
    for (const QString &name : names)
        result.append(name.toLower());
    return result;
}

// What is wrong with one query as the screen runs it: its fixed values
// bound, every other placeholder empty; a code-group name ("GC_...")
// without a fixed value would show blank names. Empty when it runs.
QString QueryProblem(const TfrmZZI000::ContractQuery &contract)
{
    if (!contract.fault.isEmpty())
        return contract.fault + u"\n"_s + contract.sql;
    SqlQuery query(contract.sql);
    for (const QString &name : query.placeholders()) {
        if (contract.fixed.contains(name))
            query.bind(name, contract.fixed.value(name));
        else if (name.startsWith(u"GC_"_s))
            return name + u" has no fixed value\n"_s + contract.sql;
    }
    try {
        SaveTransaction nothingKept; // rolled back
        query.exec();
    } catch (const ServerError &error) {
        return error.message() + u"\n"_s + contract.sql;
    }
    return {};
}

// What the screen's procedures would make of what it sends: a name the
// procedure lacks, or an input nothing fills. Empty when they agree.
QStringList ProcedureProblems(const QList<TfrmZZI000::ProcedureUse> &uses)
{
    static const QStringList audit = {u"au_emp_no"_s, u"au_ip"_s};
    QStringList problems;
    for (const TfrmZZI000::ProcedureUse &use : uses) {
        const QString name = use.procedure->name();
        QStringList inputs;
        try {
            inputs = use.procedure->inputNames();
        } catch (const ServerError &error) {
            problems.append(error.message());
        }
        if (inputs.isEmpty()) {
            problems.append(name + u" has no parameters or does not exist"_s);
            continue;
        }
        for (const QString &named : lower(use.named + use.leftOut))
            if (!inputs.contains(named))
                problems.append(name + u" lacks "_s + named);
        const QStringList filled = lower(use.named + use.offered + use.leftOut) + audit;
        for (const QString &input : inputs)
            if (!filled.contains(input))
                problems.append(name + u"."_s + input + u" is filled by nothing"_s);
    }
    return problems;
}

// A screen calling one procedure with what it declares.
class DeclaredCaller : public TfrmZZI000
{
public:
    DeclaredCaller(const QString &procedure, const QStringList &named, const QStringList &leftOut)
        : TfrmZZI000(u"frmZZI999"_s, u"시험"_s), m_procedure(procedure)
    {
        m_procedure.declare(named, leftOut);
        Calls(m_procedure);
    }

private:
    StoredProc m_procedure;
};

// A search screen declared with one fault.
class FaultySearch : public TfrmEZS000
{
public:
    FaultySearch(const QString &condition, const Binds &fixed, const QString &place)
        : TfrmEZS000(u"frmZZS999"_s, u"시험"_s)
    {
        AddSearchFields({{.name = u"cboKeepStat"_s, .caption = u"보관상태"_s, .kind = FieldKind::Code,
                          .field = u"KEEP_STAT"_s, .codeGroup = u"E0015"_s, .condition = condition,
                          .withAll = true}});
        SetQuery(uR"sql(SELECT (SELECT detail_name FROM zx010ms WHERE head = :GC_KEEP_STAT_CODE AND detail = t.keep_stat) AS keep_stat_name
FROM   eb050ms t
WHERE  t.keep_no > 0)sql"_s + place,
                 fixed);
    }
};

} // namespace

// Every screen of the dispatch table opens, its SQL runs on the database
// and its procedures take what it sends, both ways.
class TestContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_db = std::make_unique<TestDatabase>(); }
    void cleanupTestCase() { m_db.reset(); }

    void everyScreenKeepsItsContract_data()
    {
        QTest::addColumn<QString>("id");
        for (const QString &id : TfrmE0Main::ScreenIds())
            QTest::newRow(qPrintable(id)) << id;
    }

    void everyScreenKeepsItsContract()
    {
        QFETCH(QString, id);
        RecordingModal boxes;
        ScreenDispatch dispatch;
        std::unique_ptr<TfrmZZI000> screen(dispatch.open(id));
        QVERIFY(screen);
        QCOMPARE(screen->ScreenId(), id);
        screen->show();

        for (const TfrmZZI000::ContractQuery &query : screen->ContractQueries())
            if (const QString problem = QueryProblem(query); !problem.isEmpty())
                QFAIL(qPrintable(problem));

        const QStringList problems = ProcedureProblems(screen->ContractProcedures());
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    }

    // The procedures a screen declares are held against the server both
    // ways: every declared name exists, every input is filled by something.
    void faultyProcedureDeclarationsFail_data()
    {
        QTest::addColumn<QString>("procedure");
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<QStringList>("leftOut");
        QTest::addColumn<QString>("problem");
        const QStringList hold = {u"ARENT_DATE"_s, u"AAREA_GUBUN"_s, u"AEQUIP_GUBUN"_s, u"AEQUIP_NO"_s,
                                  u"AEDITSTATUS"_s};
        QTest::newRow("sound") << u"pr_ebi040_03"_s << hold << QStringList() << QString();
        QTest::newRow("left to the default") << u"pr_ebi040_03"_s << hold.mid(0, 4)
                                             << QStringList{u"AEDITSTATUS"_s} << QString();
        QTest::newRow("misspelt name") << u"pr_ebi040_03"_s << (hold.mid(0, 4) << u"AEDITSTATE"_s) << QStringList()
                                       << u"pr_ebi040_03 lacks aeditstate"_s;
        QTest::newRow("input filled by nothing")
            << u"pr_ebi040_03"_s << hold.mid(1) << QStringList() << u"pr_ebi040_03.arent_date is filled by nothing"_s;
        QTest::newRow("misspelt left out") << u"pr_ebi040_03"_s << hold << QStringList{u"ATEST"_s}
                                           << u"pr_ebi040_03 lacks atest"_s;
        QTest::newRow("no such procedure")
            << u"pr_ebi040_99"_s << hold << QStringList() << u"pr_ebi040_99 has no parameters or does not exist"_s;
    }
    void faultyProcedureDeclarationsFail()
    {
        QFETCH(QString, procedure);
        QFETCH(QStringList, named);
        QFETCH(QStringList, leftOut);
        QFETCH(QString, problem);
        RecordingModal boxes;
        DeclaredCaller screen(procedure, named, leftOut);
        const QStringList problems = ProcedureProblems(screen.ContractProcedures());
        if (problem.isEmpty())
            QCOMPARE(problems, QStringList());
        else
            QVERIFY2(problems.contains(problem), qPrintable(problems.join(u'\n')));
    }

    // A search screen's queries are run with every optional condition too,
    // and a code-group name must have its value beside the SQL.
    void faultyDeclarationsFail_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("problem");
        const QString filters = u"{filters}"_s;
        QTest::newRow("sound") << u"t.keep_stat = :KEEP_STAT"_s << u"GC_KEEP_STAT_CODE"_s << filters << QString();
        QTest::newRow("misspelt condition column")
            << u"t.keep_stats = :KEEP_STAT"_s << u"GC_KEEP_STAT_CODE"_s << filters << u"keep_stats"_s;
        QTest::newRow("fixed value missing") << u"t.keep_stat = :KEEP_STAT"_s << u"GC_KEEP_STATE_CODE"_s << filters
                                             << u"GC_KEEP_STAT_CODE has no fixed value"_s;
        QTest::newRow("no place for the conditions")
            << u"t.keep_stat = :KEEP_STAT"_s << u"GC_KEEP_STAT_CODE"_s << QString() << u"has no {filters}"_s;
    }
    void faultyDeclarationsFail()
    {
        QFETCH(QString, condition);
        QFETCH(QString, group);
        QFETCH(QString, place);
        QFETCH(QString, problem);
        RecordingModal boxes;
        FaultySearch screen(condition, {{group, u"E0015"_s}}, place);
        QStringList problems;
        for (const TfrmZZI000::ContractQuery &query : screen.ContractQueries())
            if (const QString found = QueryProblem(query); !found.isEmpty())
                problems.append(found);
        if (problem.isEmpty())
            QCOMPARE(problems, QStringList());
        else
            for (const QString &found : problems)
                QVERIFY2(found.contains(problem), qPrintable(found));
        QCOMPARE(problems.isEmpty(), problem.isEmpty());
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestContract)
#include "tst_contract.moc"
