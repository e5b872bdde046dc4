#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <memory>

struct TKeepTicketInfo;
struct TRentTicketInfo;

// The ticket printer on a serial port, owned by one screen (objectName
// "cptFlotec"). Opening is silent: a port that is missing or refused leaves
// the printer closed; printing opens it again first and throws ServerError
// when it still cannot. The printers of one device share one link to it
// (the rental and the storage screen at one counter): each ticket is written
// whole on the GUI thread, so two screens never interleave, and the port
// closes when the last of them goes.
class TicketPrinter : public QObject
{
    Q_OBJECT

public:
    // The device named by [Printer] Port of Kest_E.ini, "/dev/ttyS0" when unset.
    explicit TicketPrinter(QObject *parent = nullptr);
    TicketPrinter(const QString &portName, QObject *parent = nullptr);
    ~TicketPrinter() override;

    static QString ConfiguredPortName();

    QString portName() const { return m_portName; }
    bool isOpen() const;
    // The device's port shared by its printers; null while closed.
    const QSerialPort *serialPort() const;
    // Why the last open or print failed; empty after a successful open.
    QString errorString() const { return m_error; }

    // What the port tells of the printer behind it: a printer that is on
    // raises DSR or CTS. A pseudo-terminal or an adapter without modem lines
    // tells nothing, and a print there is only known to fail when a write does.
    enum class Answer { Answers, Silent, Unknown, NoPort };
    static Answer AnswerOf(QSerialPort::PinoutSignals lines, bool linesKnown);
    // The operator's line for an answer (with the port's name).
    QString AnswerText(Answer answer) const;
    // What the open port says now; NoPort while closed.
    Answer answer() const;

    // Opens with the fixed settings (9600 8N1, no flow control, DTR and RTS
    // off); never throws and shows nothing.
    void OpenPrinter();
    void ClosePrinter();
    // "프린터초기화": the shared port closed and opened again; what the
    // printer's lines say then.
    Answer InitPrinter();

    // Writes one ticket, one element at a time. Throws ServerError when the
    // port is not open, its lines say no printer is on it, or it refuses a
    // write; a ticket cut short is not resumed.
    void PrintRentTicket(const TRentTicketInfo &info);
    void PrintKeepTicket(const TKeepTicketInfo &info);

signals:
    // Whatever the printer sent back; nothing depends on it.
    void received(const QByteArray &bytes);

private:
    void writeTicket(const QList<QByteArray> &writes);

    QString m_portName;
    std::shared_ptr<class PrinterLink> m_link; // while open
    QString m_error;                           // of the last open without a link
};
