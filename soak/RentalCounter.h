#pragma once

#include "EBI040.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class RecordingModal;

namespace soak {

// The rental screen on a counter, driven with the keys an operator presses
// (as tst_rental does), its ticket printer on `printerPort`.
class RentalCounter
{
public:
    RentalCounter(const QString &printerPort, RecordingModal &boxes);
    ~RentalCounter();

    TfrmEBI040 &screen() const { return *m_screen; }
    bool shown() const { return m_shown; }

    // Cancel (F8, agreeing to drop changes) until the search bar is back.
    void toSearch();
    // F3 on a new rental (empty number) or on a stored one.
    bool search(const QString &rentNo = {});
    void fillHead(const QString &dealer = QStringLiteral("김대여"), const QString &box = QStringLiteral("A12"));
    // The current row: the first free CS/150 item (F10), a renter, day rental (F5).
    bool fillRow(const QString &renter);
    // F4 and fillRow.
    bool addRow(const QString &renter);
    // F2, the confirmation answered with Yes.
    void save();
    bool saved() const;
    QString rentNo() const;

    // What the grid holds, one line per row: seq/item/renter/state/stored;
    // and the pending changes. Compared before and after a failed save.
    QStringList gridLines() const;

private:
    std::unique_ptr<TfrmEBI040> m_screen;
    RecordingModal &m_boxes;
    bool m_shown = false;
};

// Complete tickets in the bytes that reached a printer (from "<CB>" to
// "<p>"), counted by the renter's name they carry; cut tickets under "".
QMap<QString, int> TicketsByRenter(const QByteArray &bytes);

} // namespace soak
