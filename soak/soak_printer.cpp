// The ticket printer failing around the tickets of a save: its cable (a
// pseudo-terminal pair, reached through a link that stays at one name the
// way a serial device does) goes away before the save, in the middle of the
// first ticket, or right after the first ticket reached the printer and
// before the second. Each save rents two items. Then: the rental is in the
// tables, the operator was told, F2 again prints nothing, and once the
// printer is back, "프린터초기화" and a reissue of each row whose ticket did
// not come out whole print it exactly once. What reached the printer is
// compared ticket by ticket.
//
//   soak_printer [ROUNDS]        (30)

#include "GridModel.h"
#include "GridView.h"
#include "PtyPair.h"
#include "RecordingModal.h"
#include "RentalCounter.h"
#include "ScreenSoak.h"
#include "SoakSupport.h"
#include "TestDatabase.h"
#include "TicketPrinter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QSerialPort>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;
using soak::Findings;

namespace {

enum class Cut { Before, During, After };

QString CutName(Cut cut)
{
    switch (cut) {
    case Cut::Before:
        return u"cable gone before the save"_s;
    case Cut::During:
        return u"cable gone in the middle of the first ticket"_s;
    case Cut::After:
        return u"cable gone right after the first ticket"_s;
    }
    return {};
}

class PrinterSoak
{
public:
    explicit PrinterSoak(int rounds) : m_rounds(rounds), m_findings(u"R6"_s) {}

    int run()
    {
        m_findings.say(u"tried: %1 saves of two new rows each on the rental screen, the printer's cable gone in turn"
                       " before the save, in the middle of the first ticket (after its sixth write reached the"
                       " printer) and right after the first ticket reached it; then F2 again, the printer back,"
                       " reissue before \"프린터초기화\", \"프린터초기화\" and a reissue of each row not printed whole"_s
                           .arg(m_rounds));
        m_db = std::make_unique<TestDatabase>(qEnvironmentVariable("KEST_SOAK_DB", u"soak_printer"_s));
        soak::LoadRentalItems(*m_db, 2 * m_rounds + 10);
        m_link = QDir::temp().filePath(u"kest-soak-printer-%1"_s.arg(QCoreApplication::applicationPid()));
        plugIn();
        m_counter = std::make_unique<soak::RentalCounter>(m_link, m_boxes);
        if (!m_counter->shown())
            throw std::runtime_error("the rental screen did not show");
        const QSerialPort *port = m_counter->screen().Printer().serialPort();
        if (!port)
            throw std::runtime_error("the rental screen's printer did not open " + m_link.toStdString());
        QObject::connect(port, &QSerialPort::bytesWritten, port, [this](qint64 bytes) { written(bytes); });

        for (int i = 1; i <= m_rounds; ++i)
            round(i, Cut((i - 1) % 3));

        m_findings.say(u"found: %1 rows saved, %2 tickets printed whole, %3 cut short, %4 reissued"_s.arg(m_rows)
                           .arg(m_whole)
                           .arg(m_cutShort)
                           .arg(m_reissued));
        m_findings.say(u"  a reissue with the printer back printed at once %1 times; %2 times it needed"
                       " \"프린터초기화\" first"_s.arg(m_reissuedAtOnce)
                           .arg(m_reissuedAfterInit));
        m_findings.say(u"  boxes shown:"_s);
        for (auto it = m_told.cbegin(); it != m_told.cend(); ++it)
            m_findings.say(u"  %1 x %2"_s.arg(it.value(), 3).arg(it.key()));
        m_counter.reset();
        unplug();
        QFile::remove(m_link);
        return m_findings.finish();
    }

private:
    // A new cable: a fresh pair, the link pointed at its printer end.
    void plugIn()
    {
        m_pty = std::make_unique<PtyPair>();
        if (!m_pty->isValid())
            throw std::runtime_error("socat gave no pseudo-terminal pair");
        QFile::remove(m_link);
        if (!QFile::link(m_pty->printerSide, m_link))
            throw std::runtime_error("cannot link " + m_link.toStdString());
        m_line = std::make_unique<QSerialPort>();
        m_line->setPortName(m_pty->deviceSide);
        if (!m_line->open(QIODevice::ReadWrite))
            throw std::runtime_error("cannot open the fake printer's end");
    }

    void unplug()
    {
        if (m_line) {
            m_received += m_line->readAll();
            m_line->close();
        }
        if (m_pty)
            m_pty->stop();
        m_line.reset();
        m_pty.reset();
    }

    // Every write the screen's printer finished: one element of a ticket.
    // What was written is let reach the printer's end first; then, at the
    // chosen moment, the cable goes.
    void written(qint64 bytes)
    {
        if (!m_armed || !m_pty)
            return;
        m_writtenBytes += bytes;
        ++m_writes;
        // Until all of it came, or nothing more comes for a moment.
        QElapsedTimer quiet;
        quiet.start();
        while (m_received.size() < m_receivedAtArm + m_writtenBytes && quiet.elapsed() < 300)
            if (m_line->waitForReadyRead(20)) {
                m_received += m_line->readAll();
                quiet.restart();
            }
        const bool cut = (m_cut == Cut::During && m_writes == 6)
                         || (m_cut == Cut::After && m_received.mid(m_receivedAtArm).contains("<p>"));
        if (!cut)
            return;
        m_armed = false;
        unplug();
    }

    QByteArray take()
    {
        if (m_line) {
            while (m_line->waitForReadyRead(150))
                m_received += m_line->readAll();
        }
        return std::exchange(m_received, {});
    }

    void round(int i, Cut cut)
    {
        const QString what = u"round %1 (%2): "_s.arg(i).arg(CutName(cut));
        const QStringList renters{u"P%1-1"_s.arg(i), u"P%1-2"_s.arg(i)};
        take();
        m_counter->search();
        m_counter->fillHead();
        m_counter->fillRow(renters[0]);
        m_counter->addRow(renters[1]);

        m_cut = cut;
        m_writes = 0;
        m_writtenBytes = 0;
        m_receivedAtArm = m_received.size();
        if (cut == Cut::Before)
            unplug();
        else
            m_armed = true;
        m_boxes.clear();
        m_counter->save();
        m_armed = false;
        const QStringList told = m_boxes.texts();
        const bool printerFailed = std::any_of(told.begin(), told.end(), [](const QString &text) {
            return text.startsWith(u"대여증을 출력하지 못했습니다."_s);
        });
        for (const QString &text : told)
            if (text != u"저장 하시겠습니까?"_s)
                ++m_told[text.simplified().left(90)];

        for (const QString &renter : renters) {
            const int stored =
                m_db->adminScalar(u"SELECT count(*) FROM eb040dt WHERE rent_name = '%1'"_s.arg(renter)).toInt();
            if (stored != 1)
                (stored == 0 ? m_findings.lost(what + renter + u" not in the tables"_s)
                             : m_findings.doubled(what + renter + u" in the tables %1 times"_s.arg(stored)));
        }
        if (!m_counter->saved() || m_counter->screen().HasPendingChanges())
            m_findings.stuck(what + u"the screen does not show the rental saved: "_s + told.join(u" | "_s).simplified());
        m_rows += 2;

        // F2 again: nothing to save, nothing printed.
        m_boxes.clear();
        m_counter->save();
        QMap<QString, int> printed = soak::TicketsByRenter(take());
        m_cutShort += printed.value(QString());
        printed.remove(QString());
        for (const QString &renter : renters) {
            const int n = printed.value(renter);
            m_whole += n;
            if (n > 1)
                m_findings.doubled(what + u"the ticket of %1 printed %2 times"_s.arg(renter).arg(n));
        }
        const bool allWhole = printed.value(renters[0]) == 1 && printed.value(renters[1]) == 1;
        if (!allWhole && !printerFailed)
            m_findings.lost(what + u"a ticket did not come out whole and nobody was told (printed: %1)"_s.arg(
                                       QStringList(printed.keys()).join(u","_s)));
        if (allWhole && cut != Cut::After)
            m_findings.say(what + u"both tickets came out whole although the cable went"_s);

        // The printer back at the same name; a reissue before 프린터초기화, then after it.
        if (!m_pty)
            plugIn();
        GridView *grid = m_counter->screen().Grid();
        for (int row = 0; row < m_counter->screen().Rows().rowCount(); ++row) {
            const QString renter = m_counter->screen().Rows().value(row, u"RENT_NAME"_s);
            if (!renters.contains(renter) || printed.value(renter) == 1)
                continue;
            grid->setCurrentRow(row);
            m_boxes.clear();
            m_counter->screen().bbtReissueClick();
            QMap<QString, int> again = soak::TicketsByRenter(take());
            ++(again.value(renter) > 0 ? m_reissuedAtOnce : m_reissuedAfterInit);
            if (again.value(renter) == 0) {
                QTest::mouseClick(m_counter->screen().findChild<QPushButton *>(u"bbtPrintInit"_s), Qt::LeftButton);
                m_boxes.clear();
                grid->setCurrentRow(row);
                m_counter->screen().bbtReissueClick();
                const QMap<QString, int> afterInit = soak::TicketsByRenter(take());
                for (auto it = afterInit.cbegin(); it != afterInit.cend(); ++it)
                    again[it.key()] += it.value();
            }
            m_reissued += again.value(renter);
            if (again.value(renter) == 0)
                m_findings.stuck(what + u"no ticket for %1 after 프린터초기화 and reissue: %2"_s.arg(renter).arg(
                                            m_boxes.texts().join(u" | "_s).simplified()));
            else if (again.value(renter) > 1 || again.size() > 1)
                m_findings.doubled(what + u"one reissue of %1 printed %2"_s.arg(renter).arg(
                                              QStringList(again.keys()).join(u","_s)));
        }
    }

    int m_rounds;
    Findings m_findings;
    std::unique_ptr<TestDatabase> m_db;
    QString m_link;
    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<QSerialPort> m_line;
    RecordingModal m_boxes;
    std::unique_ptr<soak::RentalCounter> m_counter;
    QByteArray m_received;
    qsizetype m_receivedAtArm = 0;
    Cut m_cut = Cut::Before;
    bool m_armed = false;
    int m_writes = 0;
    qint64 m_writtenBytes = 0;
    int m_rows = 0;
    int m_whole = 0;
    int m_cutShort = 0;
    int m_reissued = 0;
    int m_reissuedAtOnce = 0;
    int m_reissuedAfterInit = 0;
    QMap<QString, int> m_told;
};

} // namespace

int main(int argc, char **argv)
{
    return soak::RunScreenSoak<PrinterSoak>(argc, argv, "soak_printer", 30);
}
