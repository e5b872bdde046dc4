#include "ConnectionWatch.h"
#include "DataModule.h"
#include "Guard.h"
#include "Modal.h"
#include "RecordingModal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "TestDatabase.h"

#include <QTest>

using namespace Qt::StringLiterals;

// A table and a procedure in the shape every screen's procedure has.
static const char *const Fixture = R"SQL(
CREATE TABLE tt010ms (
    item_no   integer PRIMARY KEY,
    item_name varchar(20),
    remark    varchar(20),
    au_emp_no varchar(20),
    au_ip     varchar(40)
);
CREATE SEQUENCE tt010ms_seq START 41;
CREATE FUNCTION pr_tti010_01(aitem_no text DEFAULT NULL, aitem_name text DEFAULT NULL,
                             aremark text DEFAULT NULL, au_emp_no text DEFAULT NULL,
                             au_ip text DEFAULT NULL, aeditstatus text DEFAULT NULL,
                             OUT anew_item_no text)
LANGUAGE plpgsql SECURITY DEFINER SET search_path = ktuser, pg_temp AS $$
BEGIN
    IF aeditstatus = '2' THEN
        anew_item_no := nextval('tt010ms_seq')::text;
        INSERT INTO tt010ms VALUES (anew_item_no::integer, NULLIF(aitem_name, ''), NULLIF(aremark, ''),
                                    au_emp_no, au_ip);
    ELSIF aeditstatus = '1' THEN
        IF aitem_name = 'refuse' THEN
            RAISE EXCEPTION '사용할 수 없는 이름입니다' USING ERRCODE = 'P0001';
        END IF;
        UPDATE tt010ms SET item_name = aitem_name, remark = aremark WHERE item_no = aitem_no::integer;
    ELSIF aeditstatus = '3' THEN
        DELETE FROM tt010ms WHERE item_no = aitem_no::integer;
    END IF;
END
$$;
CREATE FUNCTION pr_tti010_02(avalue text DEFAULT NULL, OUT ais_null text)
LANGUAGE sql SECURITY DEFINER AS $$ SELECT CASE WHEN avalue IS NULL THEN 'Y' ELSE 'N' END $$;
)SQL";

class TestServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TestDatabase>();
        m_db->adminExec(QString::fromUtf8(Fixture));
    }
    void cleanupTestCase() { m_db.reset(); }

    void init() { m_db->adminExec(u"TRUNCATE tt010ms"_s); }

    void procedureReturnsItsOutputParameter()
    {
        StoredProc proc(u"PR_TTI010_01"_s);
        QVERIFY(proc.hasParameter(u"AITEM_NAME"_s));
        QVERIFY(proc.hasParameter(u"aItem_Name"_s));
        QVERIFY(!proc.hasParameter(u"ANEW_ITEM_NO"_s)); // an output is not passed in
        proc.setValue(u"AITEM_NAME"_s, u"스키"_s);
        proc.setValue(u"AU_EMP_NO"_s, u"E1"_s);
        proc.setValue(u"AU_IP"_s, u"10.0.0.1"_s);
        proc.setValue(u"AEDITSTATUS"_s, u"2"_s);
        RunSave([&] { proc.exec(); });
        const QString number = proc.output(u"ANEW_ITEM_NO"_s);
        QVERIFY(!number.isEmpty());
        QCOMPARE(m_db->adminScalar(u"SELECT item_name || '/' || au_emp_no FROM ktuser.tt010ms WHERE item_no = "_s
                                   + number),
                 u"스키/E1"_s);
    }

    void unknownParameterIsRefused()
    {
        StoredProc proc(u"pr_tti010_01"_s);
        QVERIFY_THROWS_EXCEPTION(ServerError, proc.setValue(u"ANOSUCH"_s, u"x"_s));
        StoredProc missing(u"pr_nosuch_01"_s);
        QVERIFY_THROWS_EXCEPTION(ServerError, missing.setValue(u"AX"_s, u"x"_s));
    }

    // A declared procedure takes only the names it declared by setValue;
    // offered values go where it has the parameter and nowhere else.
    void declaredProcedureRefusesOtherNames()
    {
        StoredProc proc(u"pr_tti010_01"_s);
        proc.declare({u"aItem_Name"_s}, {u"AU_IP"_s});
        proc.declare({u"AEDITSTATUS"_s, u"AITEM_NAME"_s});
        QCOMPARE(proc.named(), (QStringList{u"AITEM_NAME"_s, u"AEDITSTATUS"_s}));
        QCOMPARE(proc.leftOut(), QStringList{u"AU_IP"_s});
        proc.setValue(u"AITEM_NAME"_s, u"스키"_s);
        proc.setValue(u"AEDITSTATUS"_s, u"2"_s);
        // The procedure has it, but the caller never declared it.
        QVERIFY_THROWS_EXCEPTION(ServerError, proc.setValue(u"AU_EMP_NO"_s, u"E1"_s));
        proc.offerValue(u"AU_EMP_NO"_s, u"E9"_s);
        proc.offerValue(u"ANOSUCH"_s, u"x"_s);
        RunSave([&] { proc.exec(); });
        const QString number = proc.output(u"ANEW_ITEM_NO"_s);
        QVERIFY(!number.isEmpty());
        QCOMPARE(m_db->adminScalar(u"SELECT item_name || '/' || au_emp_no FROM ktuser.tt010ms WHERE item_no = "_s
                                   + number),
                 u"스키/E9"_s);
    }

    void emptyTextArrivesAsNull_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("isNull");
        QTest::newRow("empty") << QString() << u"Y"_s;
        QTest::newRow("empty literal") << u""_s << u"Y"_s;
        QTest::newRow("blank") << u" "_s << u"N"_s;
        QTest::newRow("text") << u"x"_s << u"N"_s;
    }
    void emptyTextArrivesAsNull()
    {
        QFETCH(QString, value);
        QFETCH(QString, isNull);
        StoredProc proc(u"pr_tti010_02"_s);
        proc.setValue(u"AVALUE"_s, value);
        proc.exec();
        QCOMPARE(proc.output(u"AIS_NULL"_s), isNull);

        SqlQuery query(u"SELECT CASE WHEN CAST(:V AS text) IS NULL THEN 'Y' ELSE 'N' END"_s);
        query.bind(u"V"_s, value);
        query.exec();
        QVERIFY(query.next());
        QCOMPARE(query.value(0), isNull);
    }

    void failingCallRollsBackTheWholeSave()
    {
        RecordingModal boxes;
        StoredProc insert(u"pr_tti010_01"_s);
        insert.setValue(u"AITEM_NAME"_s, u"first"_s);
        insert.setValue(u"AEDITSTATUS"_s, u"2"_s);
        StoredProc update(u"pr_tti010_01"_s);
        update.setValue(u"AITEM_NO"_s, u"1"_s);
        update.setValue(u"AITEM_NAME"_s, u"refuse"_s);
        update.setValue(u"AEDITSTATUS"_s, u"1"_s);

        const bool completed = RunGuarded([&] {
            RunSave([&] {
                insert.exec();
                update.exec();
            });
            InfoBox(u"not reached"_s);
        });
        QVERIFY(!completed);
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tt010ms"_s), u"0"_s);
        // One failure, one box: the edge does not show it again.
        QCOMPARE(boxes.texts(),
                 QStringList({u"자료를 저장하지 못했습니다.\r\r에러내용:\r사용할 수 없는 이름입니다"_s}));
        QCOMPARE(boxes.boxes.first().kind, BoxKind::Error);
        QVERIFY(!DataModule::instance()->inTransaction());

        // The connection is usable again and the same save succeeds.
        RunSave([&] { insert.exec(); });
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tt010ms"_s), u"1"_s);
    }

    // One operator's action, one box: a lost connection met by a handler
    // inside another (a field left on the way) and again by the action
    // itself is told once; the next action tells it again.
    void lostConnectionIsToldOncePerAction()
    {
        RecordingModal boxes;
        const auto lost = [] { throw ServerError(ServerText::ConnectionLost, u"08006"_s, ServerError::Kind::ConnectionLost); };
        QVERIFY(!RunGuarded([&] {
            RunGuarded(lost);
            lost();
        }));
        QCOMPARE(boxes.texts(), QStringList{ServerText::ConnectionLost});
        QVERIFY(!RunGuarded(lost));
        QCOMPARE(boxes.texts(), (QStringList{ServerText::ConnectionLost, ServerText::ConnectionLost}));
        // Two searches in a dialog opened by one action are two actions.
        boxes.clear();
        QVERIFY(RunGuarded([&] {
            RunGuarded(lost);
            RunGuarded(lost);
        }));
        QCOMPARE(boxes.boxes.size(), 2);
        // Another failure inside the same action is still told.
        boxes.clear();
        QVERIFY(!RunGuarded([&] {
            RunGuarded(lost);
            throw ServerError(u"거부"_s);
        }));
        QCOMPARE(boxes.texts(), (QStringList{ServerText::ConnectionLost, u"거부"_s}));
    }

    void nestedTransactionJoinsTheOuterOne()
    {
        RecordingModal boxes;
        StoredProc insert(u"pr_tti010_01"_s);
        insert.setValue(u"AITEM_NAME"_s, u"inner"_s);
        insert.setValue(u"AEDITSTATUS"_s, u"2"_s);
        {
            SaveTransaction outer;
            RunSave([&] { insert.exec(); }); // commits nothing on its own
            QVERIFY(DataModule::instance()->inTransaction());
        } // outer rolls back
        QCOMPARE(m_db->adminScalar(u"SELECT count(*) FROM ktuser.tt010ms"_s), u"0"_s);
    }

    void loginRoleCannotWriteTables()
    {
        SqlQuery insert(u"INSERT INTO zx010ms (head, detail, detail_name) VALUES ('T', '1', 'x')"_s);
        try {
            insert.exec();
            QFAIL("the login role wrote a table");
        } catch (const ServerError &error) {
            QVERIFY2(error.message().contains(u"permission denied"_s), qPrintable(error.message()));
            QVERIFY(!error.message().startsWith(u"ERROR"_s));
        }
        SqlQuery key(u"SELECT kest_private.key_bytes()"_s);
        QVERIFY_THROWS_EXCEPTION(ServerError, key.exec());
        SqlQuery file(u"SELECT pg_read_file('kest_crypt.key')"_s);
        QVERIFY_THROWS_EXCEPTION(ServerError, file.exec());
        SqlQuery encrypt(u"SELECT kest_private.enc('x')"_s);
        QVERIFY_THROWS_EXCEPTION(ServerError, encrypt.exec());
    }

    void wholeNumbersComeBackAsDigits()
    {
        SqlQuery query(u"SELECT 1000000::numeric, sum(x), 46.30::numeric(5,2), 12345678901::bigint"
                       " FROM (VALUES (600000::bigint), (400000)) v(x)"_s);
        query.exec();
        QVERIFY(query.next());
        QCOMPARE(query.value(0), u"1000000"_s);
        QCOMPARE(query.value(1), u"1000000"_s);
        QCOMPARE(query.value(2), u"46.30"_s);
        QCOMPARE(query.value(3), u"12345678901"_s);
    }

    void namedBindsRepeatAndKeepColonsInLiterals()
    {
        SqlQuery query(u"SELECT :A || ':00 - ' || :a || '-' || :B::text, :B"_s);
        QCOMPARE(query.placeholders(), QStringList({u"A"_s, u"B"_s}));
        query.bind(u"A"_s, u"12"_s);
        query.bind(u":B"_s, u"7"_s);
        query.exec();
        QVERIFY(query.next());
        QCOMPARE(query.value(0), u"12:00 - 12-7"_s);
    }

    void personalColumnsRoundTrip_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::newRow("address") << u"강원도 평창군 대관령면 123-4 "_s;
        QTest::newRow("resident number") << u"8001011234567"_s;
        QTest::newRow("telephone") << u"010-1234-5678"_s;
    }
    void personalColumnsRoundTrip()
    {
        QFETCH(QString, plain);
        const QString stored =
            m_db->adminScalar(u"SELECT kest_private.enc('%1')"_s.arg(QString(plain).replace(u"'"_s, u"''"_s)));
        QVERIFY(!stored.contains(plain));
        QCOMPARE(SqlQuery::scalar(u"SELECT fn_za010ms_04(:V) AS in_addr1"_s, {{u"V"_s, stored}}), plain);
        // A value stored before encryption reads as it is.
        QCOMPARE(SqlQuery::scalar(u"SELECT fn_za010ms_04(:V)"_s, {{u"V"_s, plain}}), plain);
        QCOMPARE(SqlQuery::scalar(u"SELECT fn_za010ms_04(NULL) IS NULL"_s), u"true"_s);
    }

private:
    std::unique_ptr<TestDatabase> m_db;

    void confirmBoxAnswers()
    {
        RecordingModal boxes;
        boxes.confirmAnswers = {false, true};
        QVERIFY(!ConfirmBox(u"삭제하시겠습니까?"_s));
        QVERIFY(ConfirmBox(u"삭제하시겠습니까?"_s));
        ErrorBox(u"오류"_s);
        InfoBox(u"안내"_s);
        QCOMPARE(boxes.boxes.size(), 4);
        QCOMPARE(boxes.boxes.at(2).kind, BoxKind::Error);
        QCOMPARE(boxes.boxes.at(3).kind, BoxKind::Information);
        QCOMPARE(boxes.lastText(), u"안내"_s);
    }
};

QTEST_MAIN(TestServer)
#include "tst_server.moc"
