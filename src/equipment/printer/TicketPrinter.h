#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QSerialPort;
struct TKeepTicketInfo;
struct TRentTicketInfo;

// The ticket printer on a serial port, owned by one screen (objectName
// "cptFlotec"). Opening is silent: a port that is missing or held elsewhere
// leaves the printer closed, and printing then throws ServerError. A port is
// held by one printer object of the process at a time, so two screens never
// interleave their tickets. Lives and prints on the GUI thread.
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
    // Why the last open or print failed; empty after a successful open.
    QString errorString() const { return m_error; }

    // Opens with the fixed settings (9600 8N1, no flow control, DTR and RTS
    // off); never throws and shows nothing.
    void OpenPrinter();
    void ClosePrinter();
    // "프린터초기화": close, then open again, just as silently.
    void InitPrinter();

    // Writes one ticket, one element at a time. Throws ServerError when the
    // port is not open or refuses a write; a ticket cut short is not resumed.
    void PrintRentTicket(const TRentTicketInfo &info);
    void PrintKeepTicket(const TKeepTicketInfo &info);

signals:
    // Whatever the printer sent back; nothing depends on it.
    void received(const QByteArray &bytes);

private:
    void writeTicket(const QList<QByteArray> &writes);

    QString m_portName;
    QString m_heldName; // the registry key while this printer holds the port
    QSerialPort *m_port;
    QString m_error;
};
