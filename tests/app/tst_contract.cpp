#include "RecordingModal.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "TestDatabase.h"
#include "TfrmE0Main.h"
#include "TfrmZZI000.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The dispatch table as the main window uses it.
class Dispatch : public TfrmE0Main
{
public:
    TfrmZZI000 *open(const QString &id) { return CreateScreen(id); }
};

QStringList lower(const QStringList &names)
{
    QStringList result;
    for (const QString &name : names)
        result.append(name.toLower());
    return result;
}

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
        Dispatch dispatch;
        std::unique_ptr<TfrmZZI000> screen(dispatch.open(id));
        QVERIFY(screen);
        QCOMPARE(screen->ScreenId(), id);
        screen->show();

        for (const QString &sql : screen->ContractSql()) {
            SqlQuery query(sql);
            for (const QString &name : query.placeholders())
                query.bind(name, {});
            try {
                SaveTransaction nothingKept; // rolled back
                query.exec();
            } catch (const ServerError &error) {
                QFAIL(qPrintable(error.message() + u"\n"_s + sql));
            }
        }

        static const QStringList audit = {u"au_emp_no"_s, u"au_ip"_s};
        for (const TfrmZZI000::ProcedureUse &use : screen->ContractProcedures()) {
            const QString name = use.procedure->name();
            const QStringList inputs = use.procedure->inputNames();
            QVERIFY2(!inputs.isEmpty(), qPrintable(name + u" has no parameters or does not exist"_s));
            for (const QString &named : lower(use.named + use.leftOut))
                QVERIFY2(inputs.contains(named), qPrintable(name + u" lacks "_s + named));
            const QStringList filled = lower(use.named + use.offered + use.leftOut) + audit;
            for (const QString &input : inputs)
                QVERIFY2(filled.contains(input), qPrintable(name + u"."_s + input + u" is filled by nothing"_s));
        }
    }

private:
    std::unique_ptr<TestDatabase> m_db;
};

QTEST_MAIN(TestContract)
#include "tst_contract.moc"
