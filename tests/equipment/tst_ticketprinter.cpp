#include "PtyPair.h"
#include "ServerError.h"
#include "StartupValues.h"
#include "TicketPrinter.h"
#include "TicketStream.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <termios.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {


TRentTicketInfo RentTicket()
{
    return {.ticketKindName = u"대인 1일권"_s,
            .equipKindName = u"스키"_s,
            .rentStatName = u"연일대여"_s,
            .areaName = u"본관"_s,
            .rentDate = u"20040131"_s,
            .rentName = u"홍길동"_s,
            .height = u"175"_s,
            .weight = u"70"_s,
            .bootsSizeName = u"270"_s,
            .periodFrom = u"20040131"_s,
            .periodTo = u"20040202"_s,
            .rentNo = u"123"_s,
            .boxNo = u"15"_s};
}

TKeepTicketInfo KeepTicket()
{
    return {.season = u"05"_s,
            .keepNo = u"42"_s,
            .keepName = u"김철수"_s,
            .equipName = u"스키"_s,
            .nativeNo = u"SN-1234"_s,
            .keepKindName = u"시즌보관"_s,
            .inDate = u"20041201"_s,
            .boxNo = u"B-07"_s};
}

} // namespace

class TestTicketPrinter : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        m_device.close();
        m_pair.reset();
    }

    void ticketsArriveOnTheLine()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        TicketPrinter printer(m_pair->printerSide);
        printer.OpenPrinter();
        QVERIFY2(printer.isOpen(), qPrintable(printer.errorString()));

        printer.PrintRentTicket(RentTicket());
        printer.PrintKeepTicket(KeepTicket());

        const QByteArray expected = RentTicketStream(RentTicket()) + KeepTicketStream(KeepTicket());
        QCOMPARE(ReadUntilQuiet(m_device, expected.size()), expected);
    }

    void portHasTheFixedSettings()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        TicketPrinter printer(m_pair->printerSide);
        printer.OpenPrinter();
        QVERIFY(printer.isOpen());
        const QSerialPort *port = printer.serialPort();
        QVERIFY(port);
        termios t{};
        QCOMPARE(tcgetattr(port->handle(), &t), 0);
        QCOMPARE(cfgetospeed(&t), speed_t(B9600));
        QCOMPARE(cfgetispeed(&t), speed_t(B9600));
        QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
        QCOMPARE(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
        QCOMPARE(t.c_iflag & (IXON | IXOFF | IXANY), tcflag_t(0));
    }

    void repliesReachTheOwnerOnItsThread()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        TicketPrinter printer(m_pair->printerSide);
        printer.OpenPrinter();
        QVERIFY(printer.isOpen());
        QByteArray received;
        bool onOwnerThread = true;
        connect(&printer, &TicketPrinter::received, this, [&](const QByteArray &bytes) {
            received += bytes;
            onOwnerThread = onOwnerThread && QThread::currentThread() == printer.thread();
        });
        m_device.write("\x06OK\r");
        QVERIFY(m_device.waitForBytesWritten(5000));
        QTRY_COMPARE(received, QByteArray("\x06OK\r"));
        QVERIFY(onOwnerThread);
    }

    void absentDeviceFailsOnlyWhenPrinting()
    {
        const QString missing = u"/dev/kest-no-such-port"_s;
        TicketPrinter printer(missing);
        printer.OpenPrinter();
        QVERIFY(!printer.isOpen());
        printer.InitPrinter();
        QVERIFY(!printer.isOpen());
        try {
            printer.PrintRentTicket(RentTicket());
            QFAIL("printing on an absent device must raise");
        } catch (const ServerError &error) {
            QVERIFY2(error.message().contains(missing), qPrintable(error.message()));
        }
        QVERIFY_THROWS_EXCEPTION(ServerError, printer.PrintKeepTicket(KeepTicket()));
    }

    // The rental and the storage screen on one port, under its name or a
    // link to it: both print, each ticket whole, and the port stays open
    // until the last of them goes.
    void printersOfOneDeviceShareItsLink()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        QTemporaryDir dir;
        const QString alias = dir.filePath(u"printer"_s);
        QVERIFY(QFile::link(m_pair->printerSide, alias));
        auto first = std::make_unique<TicketPrinter>(m_pair->printerSide);
        TicketPrinter second(alias);
        first->OpenPrinter();
        second.OpenPrinter();
        QVERIFY(first->isOpen());
        QVERIFY2(second.isOpen(), qPrintable(second.errorString()));

        first->PrintKeepTicket(KeepTicket());
        second.PrintRentTicket(RentTicket());
        first->PrintKeepTicket(KeepTicket());
        QCOMPARE(ReadUntilQuiet(m_device, 1),
                 KeepTicketStream(KeepTicket()) + RentTicketStream(RentTicket()) + KeepTicketStream(KeepTicket()));

        first.reset();
        QVERIFY(second.isOpen());
        second.PrintRentTicket(RentTicket());
        QCOMPARE(ReadUntilQuiet(m_device, 1), RentTicketStream(RentTicket()));
    }

    // A printer that found its port closed opens it again when it prints.
    void printingReopensTheFreedPort()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        TicketPrinter printer(m_pair->printerSide);
        printer.OpenPrinter();
        printer.ClosePrinter();
        QVERIFY(!printer.isOpen());
        printer.PrintRentTicket(RentTicket());
        QVERIFY(printer.isOpen());
        QCOMPARE(ReadUntilQuiet(m_device, 1), RentTicketStream(RentTicket()));
    }

    void refusedWriteRaises()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        TicketPrinter printer(m_pair->printerSide);
        printer.OpenPrinter();
        QVERIFY(printer.isOpen());
        m_device.close();
        m_pair->stop(); // the far end is gone: the line refuses every write
        QVERIFY(printer.isOpen());
        QVERIFY_THROWS_EXCEPTION(ServerError, printer.PrintRentTicket(RentTicket()));
        // A handle on a line that went away never writes again: the next
        // print opens the port anew, without the reset key.
        QVERIFY(!printer.isOpen());
        printer.InitPrinter();
        QVERIFY(!printer.isOpen());
        QVERIFY_THROWS_EXCEPTION(ServerError, printer.PrintRentTicket(RentTicket()));
    }

    // A printer that is on raises DSR or CTS; a port without modem lines
    // tells nothing.
    void modemLinesSayWhetherAPrinterIsOn_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("known");
        QTest::addColumn<int>("answer");
        using P = QSerialPort;
        const auto answers = int(TicketPrinter::Answer::Answers);
        const auto silent = int(TicketPrinter::Answer::Silent);
        QTest::newRow("DSR") << int(P::DataSetReadySignal) << true << answers;
        QTest::newRow("CTS") << int(P::ClearToSendSignal) << true << answers;
        QTest::newRow("DSR, CTS, DCD") << int(P::DataSetReadySignal | P::ClearToSendSignal | P::DataCarrierDetectSignal)
                                       << true << answers;
        QTest::newRow("only our own DTR and RTS") << int(P::DataTerminalReadySignal | P::RequestToSendSignal) << true
                                                  << silent;
        QTest::newRow("none") << 0 << true << silent;
        QTest::newRow("no modem lines") << 0 << false << int(TicketPrinter::Answer::Unknown);
    }
    void modemLinesSayWhetherAPrinterIsOn()
    {
        QFETCH(int, lines);
        QFETCH(bool, known);
        QFETCH(int, answer);
        QCOMPARE(int(TicketPrinter::AnswerOf(QSerialPort::PinoutSignals(lines), known)), answer);
    }

    // On a pseudo-terminal pair the lines tell nothing: the reset key says
    // so and a ticket is written; once the far end is closed, the port
    // cannot be opened again and both say so, the system's words on a line
    // of their own.
    void resetKeySaysWhatThePortTells()
    {
        connectLine();
        if (QTest::currentTestFailed())
            return;
        TicketPrinter printer(m_pair->printerSide);
        QCOMPARE(printer.InitPrinter(), TicketPrinter::Answer::Unknown);
        QVERIFY(printer.AnswerText(TicketPrinter::Answer::Unknown).contains(m_pair->printerSide));
        printer.PrintRentTicket(RentTicket());
        QCOMPARE(ReadUntilQuiet(m_device, 1), RentTicketStream(RentTicket()));

        m_device.close();
        m_pair->stop();
        QString message;
        try {
            printer.PrintRentTicket(RentTicket());
        } catch (const ServerError &error) {
            message = error.message();
        }
        QVERIFY2(message.startsWith(u"티켓 프린터에 쓸 수 없습니다: "_s + m_pair->printerSide + u"\r"_s),
                 qPrintable(message));
        QCOMPARE(printer.InitPrinter(), TicketPrinter::Answer::NoPort);
        const QString text = printer.AnswerText(TicketPrinter::Answer::NoPort);
        QVERIFY2(text.startsWith(u"티켓 프린터 포트를 열 수 없습니다: "_s + m_pair->printerSide + u"\r"_s), qPrintable(text));
    }

    void portNameFromConfiguration_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no file") << QString() << u"/dev/ttyS0"_s;
        QTest::newRow("set") << u"[Role]\nType=1\n[Printer]\nPort=/dev/ttyUSB1\n"_s << u"/dev/ttyUSB1"_s;
        QTest::newRow("set, other case") << u"[printer]\nport = /dev/ttyS2\n"_s << u"/dev/ttyS2"_s;
        QTest::newRow("empty") << u"[Printer]\nPort=\n"_s << u"/dev/ttyS0"_s;
        QTest::newRow("other section") << u"[Serial]\nPort=/dev/ttyS3\n"_s << u"/dev/ttyS0"_s;
    }
    void portNameFromConfiguration()
    {
        QFETCH(QString, ini);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        if (!ini.isNull()) {
            QFile file(dir.filePath(u"Kest_E.ini"_s));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(ini.toUtf8());
        }
        const StartupValues saved = Startup();
        StartupValues values = saved;
        values.exeDir = WithTrailingSeparator(dir.path());
        SetStartupValues(values);
        QCOMPARE(TicketPrinter::ConfiguredPortName(), expected);
        QCOMPARE(TicketPrinter().portName(), expected);
        SetStartupValues(saved);
    }

private:
    // The line for the tests that need one; m_device is its far end.
    void connectLine()
    {
        m_pair = std::make_unique<PtyPair>();
        QVERIFY2(m_pair->isValid(), "socat could not make a pseudo-terminal pair (scripts/deps installs it)");
        m_device.setPortName(m_pair->deviceSide);
        QVERIFY2(m_device.open(QIODevice::ReadWrite), qPrintable(m_device.errorString()));
    }

    std::unique_ptr<PtyPair> m_pair;
    QSerialPort m_device;
};

QTEST_GUILESS_MAIN(TestTicketPrinter)
#include "tst_ticketprinter.moc"
