// A save of the rental screen blocked by a lock another counter holds: the
// head of a stored rental, the day's rental number series, or the item a
// new row rents. The save must end at the configured lock timeout
// (DataModule::setTimeouts) with its message, keep the rows, and go through
// once the other counter lets go; and while it waits the window must still
// paint: a timer asks for a repaint every 100 ms, and the screen's paint
// events are counted inside the wait.
//
//   soak_lock_wait [WAITS]        (6)

#include "CounterConnection.h"
#include "DataModule.h"
#include "GridModel.h"
#include "PtyPair.h"
#include "RecordingModal.h"
#include "RentalCounter.h"
#include "ConnectionWatch.h"
#include "ServerError.h"
#include "ScreenSoak.h"
#include "SoakSupport.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QSerialPort>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

constexpr int LockTimeoutMs = 2000;
constexpr int RepaintEveryMs = 100;

// The moments the watched widget was painted, on the clock of the run.
class PaintClock : public QObject
{
public:
    explicit PaintClock(const QElapsedTimer &clock) : m_clock(clock) {}
    QList<qint64> paints;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            paints << m_clock.elapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &m_clock;
};

class LockSoak
{
public:
    explicit LockSoak(int waits) : m_waits(waits), m_findings(u"R7"_s) {}

    int run()
    {
        m_findings.say(u"tried: %1 saves of the rental screen blocked by another counter's lock (in turn: the stored"
                       " rental's head, the day's rental number series, the item of a new row), lock timeout %2 ms;"
                       " a timer asks the screen to repaint every %3 ms and its paint events are counted"_s
                           .arg(m_waits)
                           .arg(LockTimeoutMs)
                           .arg(RepaintEveryMs));
        m_db = std::make_unique<TestDatabase>(qEnvironmentVariable("KEST_SOAK_DB", u"soak_lock_wait"_s));
        soak::LoadRentalItems(*m_db, 2 * m_waits + 10);
        if (!m_pty.isValid())
            throw std::runtime_error("socat gave no pseudo-terminal pair");
        m_line.setPortName(m_pty.deviceSide);
        if (!m_line.open(QIODevice::ReadWrite))
            throw std::runtime_error("cannot open the fake printer's end");
        m_counter = std::make_unique<soak::RentalCounter>(m_pty.printerSide, m_boxes);
        if (!m_counter->shown())
            throw std::runtime_error("the rental screen did not show");
        m_clock.start();
        m_counter->screen().installEventFilter(&m_paints);
        QTimer repaint;
        QObject::connect(&repaint, &QTimer::timeout, &m_counter->screen(), [this] { m_counter->screen().update(); });
        repaint.start(RepaintEveryMs);

        // A rental on file, and the day's number series with it.
        m_counter->search();
        m_counter->fillHead();
        m_counter->fillRow(u"L0-1"_s);
        m_counter->save();
        if (!m_counter->saved())
            throw std::runtime_error("the first save did not go through");
        const QString rentNo = m_counter->rentNo();

        // Without a wait the timer's repaints arrive: the measure works.
        const qint64 idleFrom = m_clock.elapsed();
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < 1000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        const int idlePaints = paintsBetween(idleFrom, m_clock.elapsed());
        m_findings.say(u"found: idle, the screen painted %1 times in 1 s"_s.arg(idlePaints));
        if (idlePaints < 3)
            m_findings.stuck(u"the screen does not paint even when idle: the repaint measure cannot judge"_s);

        DataModule::instance()->setTimeouts(30000, LockTimeoutMs);
        static const char *const Kinds[] = {"head", "series", "item"};
        for (int i = 1; i <= m_waits; ++i)
            wait(i, QString::fromLatin1(Kinds[(i - 1) % 3]), rentNo);
        repaint.stop();
        m_counter.reset();
        return m_findings.finish();
    }

private:
    int paintsBetween(qint64 from, qint64 to) const
    {
        return int(std::count_if(m_paints.paints.begin(), m_paints.paints.end(),
                                 [&](qint64 at) { return at >= from && at <= to; }));
    }

    void wait(int i, const QString &kind, const QString &rentNo)
    {
        const QString renter = u"L%1-1"_s.arg(i);
        if (kind == u"head"_s) {
            m_counter->search(rentNo);
            m_counter->screen().findChild<QLineEdit *>(u"edtDealName"_s)->setText(u"대기%1"_s.arg(i));
            m_counter->addRow(renter);
        } else {
            m_counter->search();
            m_counter->fillHead();
            m_counter->fillRow(renter);
        }
        const QStringList before = m_counter->gridLines();
        CounterConnection other(*m_db);
        other.begin();
        if (kind == u"head"_s)
            other.exec(u"SELECT * FROM eb040ms WHERE rent_no = %1 FOR UPDATE"_s.arg(rentNo.toLongLong()));
        else if (kind == u"series"_s)
            other.exec(u"SELECT * FROM kest_private.counters WHERE series LIKE 'eb040ms:%' FOR UPDATE"_s);
        else
            other.exec(u"SELECT * FROM eb020ms WHERE equip_no = '%1' FOR UPDATE"_s.arg(
                m_counter->screen().findChild<QLineEdit *>(u"edtRentEquipNo"_s)->text()));

        m_boxes.clear();
        const qint64 from = m_clock.elapsed();
        m_counter->save();
        const qint64 to = m_clock.elapsed();
        const qint64 waited = to - from;
        // Inside the wait, leaving the moment the save began and the boxes after it.
        const int painted = paintsBetween(from + 300, from + std::min<qint64>(waited, LockTimeoutMs) - 100);
        const int asked = int((std::min<qint64>(waited, LockTimeoutMs) - 400) / RepaintEveryMs);
        const QString what = u"wait %1 (lock on the %2): "_s.arg(i).arg(kind);

        const bool told = m_boxes.texts().contains(ServerText::LockTimeout);
        if (!told)
            m_findings.stuck(what + u"no lock-timeout message; boxes: "_s + m_boxes.texts().join(u" | "_s).simplified());
        if (waited < LockTimeoutMs * 9 / 10 || waited > LockTimeoutMs * 3)
            m_findings.stuck(what + u"the save waited %1 ms for a %2 ms lock timeout"_s.arg(waited).arg(LockTimeoutMs));
        if (m_counter->gridLines() != before)
            m_findings.lost(what + u"the screen's rows changed: [%1] became [%2]"_s.arg(before.join(u"; "_s),
                                                                                          m_counter->gridLines().join(u"; "_s)));
        m_findings.say(what + u"ended after %1 ms, %2; painted %3 times inside the wait (about %4 asked)"_s.arg(waited)
                                  .arg(told ? u"told the lock timeout"_s : u"no lock message"_s)
                                  .arg(painted)
                                  .arg(std::max(asked, 0)));
        if (painted == 0)
            m_findings.stuck(what + u"the window did not repaint while the save waited %1 ms"_s.arg(waited));

        other.rollback();
        m_boxes.clear();
        m_counter->save();
        if (!m_counter->saved())
            m_findings.stuck(what + u"F2 after the lock went did not save: "_s + m_boxes.texts().join(u" | "_s).simplified());
        const int stored = m_db->adminScalar(u"SELECT count(*) FROM eb040dt WHERE rent_name = '%1'"_s.arg(renter)).toInt();
        if (stored == 0)
            m_findings.lost(what + renter + u" not stored"_s);
        else if (stored > 1)
            m_findings.doubled(what + renter + u" stored %1 times"_s.arg(stored));
        // Tickets are not looked at here; read them so the line never fills.
        while (m_line.waitForReadyRead(50))
            m_line.readAll();
    }

    int m_waits;
    Findings m_findings;
    std::unique_ptr<TestDatabase> m_db;
    PtyPair m_pty;
    QSerialPort m_line;
    RecordingModal m_boxes;
    std::unique_ptr<soak::RentalCounter> m_counter;
    QElapsedTimer m_clock;
    PaintClock m_paints{m_clock};
};

} // namespace

int main(int argc, char **argv)
{
    return soak::RunScreenSoak<LockSoak>(argc, argv, "soak_lock_wait", 6);
}
