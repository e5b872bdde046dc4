// The rental screen's backend killed in the middle of a save, over and
// over, at random moments: a killer thread ends the session
// (pg_terminate_backend) after a random delay within a save's length. A
// short pause in each head and row write (a trigger of this database only)
// stretches the save so that the kills land in the head call, between the
// calls, in the row calls and in the commit as well as in the reads after
// it. After each kill: nothing of the save half-stored, the screen still
// holding its rows and their pending state, and one more F2 (the server is
// back at once) saving everything exactly once, with one ticket per new row.
//
//   soak_kill_save [KILLS]        (100)

#include "DataModule.h"
#include "GridModel.h"
#include "PtyPair.h"
#include "RecordingModal.h"
#include "RentalCounter.h"
#include "ConnectionWatch.h"
#include "ServerError.h"
#include "ScreenSoak.h"
#include "SoakSupport.h"
#include "SqlQuery.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMap>
#include <QRandomGenerator>
#include <QSerialPort>

#include <cstdio>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

const QString Pause = uR"SQL(
CREATE FUNCTION soak_pause() RETURNS trigger LANGUAGE plpgsql AS $$
DECLARE
    what text := CASE TG_TABLE_NAME WHEN 'eb040ms' THEN 'the head' ELSE 'a row' END;
BEGIN
    PERFORM set_config('application_name', 'soak: in ' || what || ' write', true);
    PERFORM pg_sleep(0.015 + random() * 0.03);
    PERFORM set_config('application_name', 'soak: after ' || what || ' write', true);
    RETURN NEW;
END
$$;
CREATE TRIGGER soak_pause BEFORE INSERT OR UPDATE ON eb040ms FOR EACH ROW EXECUTE FUNCTION soak_pause();
CREATE TRIGGER soak_pause BEFORE INSERT OR UPDATE ON eb040dt FOR EACH ROW EXECUTE FUNCTION soak_pause();
)SQL"_s;

// Where a kill landed, from what the session was doing; the pause trigger
// names the write it is in (or last finished) in application_name.
QString Landing(const QString &where)
{
    const QStringList part = where.split(u'|');
    if (part.size() < 4)
        return where;
    const QString &state = part[0], &write = part[2], &statement = part[3];
    const bool inSave = part[1] == u"t"_s;
    if (state == u"idle"_s)
        return u"outside a transaction (before the save began or after it committed)"_s;
    if (state == u"idle in transaction"_s)
        return u"between the save's statements, "_s + (write.isEmpty() ? u"before any write"_s : write.mid(6));
    if (statement.startsWith(u"COMMIT"_s, Qt::CaseInsensitive))
        return u"in the commit"_s;
    if (write.startsWith(u"soak: in "_s))
        return write.mid(6);
    if (write.startsWith(u"soak: after "_s))
        return u"in a call "_s + write.mid(6);
    if (inSave)
        return u"in the head call before its write"_s;
    return u"in a read outside the save ("_s + statement.left(30) + u"...)"_s;
}

class KillSoak
{
public:
    explicit KillSoak(int kills) : m_kills(kills), m_findings(u"R2"_s) {}

    int run()
    {
        const quint32 seed = qEnvironmentVariableIsSet("KEST_SOAK_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("KEST_SOAK_SEED"))
                                 : QRandomGenerator::global()->generate() % 100000;
        m_random.seed(seed);
        m_findings.say(u"tried: %1 saves of the rental screen (TfrmEBI040, offscreen), each killed once at a random"
                       " moment (pg_terminate_backend after 0..1.2 x a save's length); new rentals of 1-3 rows, every"
                       " third one a stored rental with a changed row and a new one; 15-45 ms pause in each head and"
                       " row write; then F2 again (seed %2, KEST_SOAK_SEED repeats it)"_s.arg(m_kills).arg(seed));

        m_db = std::make_unique<TestDatabase>(qEnvironmentVariable("KEST_SOAK_DB", u"soak_kill_save"_s));
        soak::LoadRentalItems(*m_db, 3 * m_kills + 20);
        m_db->adminExec(Pause);
        if (!m_pty.isValid())
            throw std::runtime_error("socat gave no pseudo-terminal pair");
        m_line.setPortName(m_pty.deviceSide);
        if (!m_line.open(QIODevice::ReadWrite))
            throw std::runtime_error("cannot open the fake printer's end");
        m_counter = std::make_unique<soak::RentalCounter>(m_pty.printerSide, m_boxes);
        if (!m_counter->shown())
            throw std::runtime_error("the rental screen did not show");

        calibrate();
        for (int i = 1; i <= m_kills; ++i)
            round(i);

        // The rental numbers of each day and area run from 1 without a gap,
        // none left provisional, whatever the kills rolled back.
        for (const QString &series : soak::AdminRows(*m_db, u"SELECT rent_date || '/' || area_gubun || ': ' ||"
                                                          " string_agg(rent_no::text, ' ' ORDER BY rent_no)"
                                                          " FROM eb040ms GROUP BY rent_date, area_gubun"
                                                          " HAVING min(rent_no) <> 1 OR max(rent_no) <> count(*)"_s))
            m_findings.lost(u"rental numbers with a gap: "_s + series);
        m_findings.say(u"found: where the kills landed, and what the first F2 left:"_s);
        for (auto it = m_landed.cbegin(); it != m_landed.cend(); ++it)
            m_findings.say(u"  %1 x %2"_s.arg(it.value(), 3).arg(it.key()));
        m_findings.say(u"  a save took %1 ms on average unkilled; %2 rows saved in all, %3 tickets printed"_s
                           .arg(m_saveMs, 0, 'f', 0)
                           .arg(m_rowsSaved)
                           .arg(m_tickets));
        m_counter.reset();
        return m_findings.finish();
    }

private:
    // One save unkilled, for the length of a save.
    void calibrate()
    {
        m_counter->search();
        m_counter->fillHead();
        m_counter->fillRow(u"K0-1"_s);
        QElapsedTimer clock;
        clock.start();
        m_counter->save();
        m_saveMs = double(clock.elapsed());
        m_saves = 1;
        if (!m_counter->saved())
            throw std::runtime_error("the first save did not go through: " +
                                     m_boxes.texts().join(u" | "_s).toStdString());
        m_lastRentNo = m_counter->rentNo();
        readTickets(1);
    }

    void round(int i)
    {
        // The rows of this round: new names, and a stored row renamed.
        QStringList fresh;
        QString renamed;
        const bool change = i % 3 == 0 && !m_lastRentNo.isEmpty();
        if (change) {
            if (!m_counter->search(m_lastRentNo) || m_counter->screen().Rows().rowCount() == 0) {
                m_findings.stuck(u"round %1: rental %2 could not be searched again"_s.arg(i).arg(m_lastRentNo));
                return;
            }
            renamed = u"K%1-u"_s.arg(i);
            m_counter->screen().findChild<QLineEdit *>(u"edtRentName"_s)->setText(renamed);
            fresh << u"K%1-1"_s.arg(i);
            if (!m_counter->addRow(fresh.constLast()))
                m_findings.stuck(u"round %1: no free item"_s.arg(i));
        } else {
            m_counter->search();
            m_counter->fillHead();
            const int rows = 1 + int(m_random.bounded(3));
            for (int r = 1; r <= rows; ++r) {
                fresh << u"K%1-%2"_s.arg(i).arg(r);
                if (!(r == 1 ? m_counter->fillRow(fresh.constLast()) : m_counter->addRow(fresh.constLast())))
                    m_findings.stuck(u"round %1: no free item"_s.arg(i));
            }
        }
        const QStringList before = m_counter->gridLines();
        const QString storedBefore = change ? storedRows(m_lastRentNo) : QString();

        const int pid = SqlQuery::scalar(u"SELECT pg_backend_pid()"_s).toInt();
        const int delay = int(m_random.bounded(m_saveMs * 1.2));
        m_boxes.clear();
        QString where;
        {
            soak::BackendKiller killer(m_db->name(), pid, delay);
            m_counter->save();
            where = killer.where();
        }
        const QString landing = Landing(where);

        // What the first F2 left.
        const bool firstSaved = m_counter->saved();
        int present = 0;
        for (const QString &name : fresh)
            present += count(name) > 0 ? 1 : 0;
        const bool renameStored = !change || count(renamed) > 0;
        QString outcome;
        if (present == fresh.size() && renameStored) {
            outcome = u"saved"_s;
            if (!firstSaved && m_counter->screen().HasPendingChanges())
                outcome = u"saved, but the screen holds it unsaved"_s;
        } else if (present == 0 && (!change || count(renamed) == 0)) {
            outcome = u"rolled back"_s;
            if (change && storedRows(m_lastRentNo) != storedBefore)
                m_findings.lost(u"round %1 (kill %2): the stored rental changed in a save that rolled back"_s.arg(i)
                                    .arg(landing));
            const QStringList after = m_counter->gridLines();
            if (after != before)
                m_findings.lost(u"round %1 (kill %2): the screen's rows changed in the failed save: [%3] became [%4]"_s
                                    .arg(i)
                                    .arg(landing, before.join(u"; "_s), after.join(u"; "_s)));
            if (m_boxes.boxes.size() <= 1) {
                m_findings.stuck(u"round %1 (kill %2): the save failed without a word"_s.arg(i).arg(landing));
            } else if (!m_boxes.texts().contains(ServerText::SaveLost)) {
                outcome += u" but told something else"_s;
                m_findings.stuck(u"round %1 (kill %2): the lost connection was told as \"%3\""_s.arg(i).arg(
                    landing, m_boxes.lastText().simplified()));
            }
        } else {
            outcome = u"half stored"_s;
            m_findings.lost(u"round %1 (kill %2): %3 of %4 new rows stored, the changed row %5"_s.arg(i)
                                .arg(landing)
                                .arg(present)
                                .arg(fresh.size())
                                .arg(renameStored ? u"stored"_s : u"not stored"_s));
        }
        if (DataModule::instance()->inTransaction()) {
            // Every later save would run inside it: the soak starts a new connection to go on.
            m_findings.stuck(u"round %1 (kill %2): after the save the data module still counts a transaction"
                             " (the soak drops the connection to go on)"_s.arg(i).arg(landing));
            DataModule::instance()->DropConnection();
        }
        const int orphans = headsWithoutRows();
        if (orphans > m_orphans)
            m_findings.lost(u"round %1 (kill %2): %3 rental head(s) stored without rows"_s.arg(i).arg(landing).arg(
                orphans - m_orphans));
        m_orphans = orphans;
        ++m_landed[landing + u": "_s + outcome];

        // F2 again, as the box says, until nothing is pending (three tries).
        for (int retry = 0; retry < 3 && m_counter->screen().HasPendingChanges(); ++retry) {
            m_boxes.clear();
            QElapsedTimer clock;
            clock.start();
            m_counter->save();
            if (m_counter->saved()) {
                m_saveMs = (m_saveMs * m_saves + double(clock.elapsed())) / (m_saves + 1);
                ++m_saves;
            }
        }
        if (m_counter->screen().HasPendingChanges())
            m_findings.stuck(u"round %1 (kill %2): three more F2 did not save it: %3"_s.arg(i).arg(landing).arg(
                m_boxes.texts().join(u" | "_s).simplified()));
        for (const QString &name : fresh + (change ? QStringList{renamed} : QStringList{})) {
            const int n = count(name);
            if (n > 1)
                m_findings.doubled(u"round %1 (kill %2): row %3 stored %4 times"_s.arg(i).arg(landing, name).arg(n));
            else if (n == 0)
                m_findings.lost(u"round %1 (kill %2): row %3 not stored after F2 again"_s.arg(i).arg(landing, name));
        }
        m_rowsSaved += int(fresh.size());
        m_lastRentNo = m_counter->rentNo();

        // One ticket per new row: none lost to the kill, none twice.
        const QMap<QString, int> printed = readTickets(int(fresh.size()));
        for (const QString &name : fresh) {
            const int n = printed.value(name);
            if (n > 1)
                m_findings.doubled(u"round %1 (kill %2): the ticket of %3 printed %4 times"_s.arg(i).arg(landing, name)
                                       .arg(n));
            else if (n == 0)
                m_findings.lost(u"round %1 (kill %2): no ticket for %3"_s.arg(i).arg(landing, name));
        }
        for (auto it = printed.cbegin(); it != printed.cend(); ++it) {
            if (it.key().isEmpty())
                m_findings.lost(u"round %1: %2 tickets cut short"_s.arg(i).arg(it.value()));
            else if (!fresh.contains(it.key()))
                m_findings.doubled(u"round %1 (kill %2): a ticket of %3, which this save did not add"_s.arg(i).arg(
                    landing, it.key()));
        }
    }

    // Tickets that reached the printer since the last look.
    QMap<QString, int> readTickets(int expected)
    {
        QByteArray bytes;
        QElapsedTimer clock;
        clock.start();
        while (bytes.count("<p>") < expected && clock.elapsed() < 3000)
            if (m_line.waitForReadyRead(100))
                bytes += m_line.readAll();
        while (m_line.waitForReadyRead(30))
            bytes += m_line.readAll();
        const QMap<QString, int> tickets = soak::TicketsByRenter(bytes);
        for (int n : tickets)
            m_tickets += n;
        return tickets;
    }

    int headsWithoutRows() const
    {
        return m_db->adminScalar(u"SELECT count(*) FROM eb040ms m WHERE NOT EXISTS (SELECT 1 FROM eb040dt d"
                                 " WHERE (d.rent_date, d.area_gubun, d.rent_no) = (m.rent_date, m.area_gubun,"
                                 " m.rent_no))"_s)
            .toInt();
    }

    int count(const QString &renter) const
    {
        return m_db->adminScalar(u"SELECT count(*) FROM eb040dt WHERE rent_name = '%1'"_s.arg(renter)).toInt();
    }

    QString storedRows(const QString &rentNo) const
    {
        return m_db->adminScalar(u"SELECT string_agg(concat_ws('/', rent_seq, equip_no, rent_name, rent_stat), ','"
                                 " ORDER BY rent_seq) FROM eb040dt WHERE rent_no = %1"_s.arg(rentNo.toLongLong()));
    }

    int m_kills;
    Findings m_findings;
    QRandomGenerator m_random;
    std::unique_ptr<TestDatabase> m_db;
    PtyPair m_pty;
    QSerialPort m_line;
    RecordingModal m_boxes;
    std::unique_ptr<soak::RentalCounter> m_counter;
    double m_saveMs = 0;
    int m_saves = 0;
    int m_rowsSaved = 0;
    int m_tickets = 0;
    int m_orphans = 0;
    QString m_lastRentNo;
    QMap<QString, int> m_landed;
};

} // namespace

int main(int argc, char **argv)
{
    return soak::RunScreenSoak<KillSoak>(argc, argv, "soak_kill_save", 100);
}
