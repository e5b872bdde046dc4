#include "RentalCounter.h"

#include "CodeCombo.h"
#include "Cp949.h"
#include "GridModel.h"
#include "RecordingModal.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace soak {

RentalCounter::RentalCounter(const QString &printerPort, RecordingModal &boxes)
    : m_screen(std::make_unique<TfrmEBI040>(printerPort, nullptr)), m_boxes(boxes)
{
    m_screen->show();
    m_screen->activateWindow();
    m_shown = QTest::qWaitForWindowActive(m_screen.get());
}

RentalCounter::~RentalCounter()
{
    m_boxes.confirmAnswers = {true, true, true};
}

void RentalCounter::toSearch()
{
    for (int i = 0; i < 3 && !m_screen->IsSearchMode(); ++i) {
        m_boxes.confirmAnswers = {true};
        QTest::keyClick(m_screen.get(), Qt::Key_F8);
    }
}

bool RentalCounter::search(const QString &rentNo)
{
    toSearch();
    m_screen->findChild<QLineEdit *>(u"edtRentNo"_s)->setText(rentNo);
    QTest::keyClick(m_screen.get(), Qt::Key_F3);
    return !m_screen->IsSearchMode();
}

void RentalCounter::fillHead(const QString &dealer, const QString &box)
{
    m_screen->findChild<QLineEdit *>(u"edtDealName"_s)->setText(dealer);
    m_screen->findChild<QLineEdit *>(u"edtKeepBoxNo"_s)->setText(box);
}

bool RentalCounter::fillRow(const QString &renter)
{
    m_screen->findChild<CodeCombo *>(u"cboRentEquip"_s)->setCode(u"CS"_s);
    m_screen->findChild<CodeCombo *>(u"cboEquipSizeGubun"_s)->setCode(u"150"_s);
    QTest::keyClick(m_screen.get(), Qt::Key_F10);
    if (m_screen->findChild<QLineEdit *>(u"edtRentEquipNo"_s)->text().isEmpty())
        return false;
    m_screen->findChild<QLineEdit *>(u"edtRentName"_s)->setText(renter);
    QTest::keyClick(m_screen.get(), Qt::Key_F5);
    return true;
}

bool RentalCounter::addRow(const QString &renter)
{
    QTest::keyClick(m_screen.get(), Qt::Key_F4);
    return fillRow(renter);
}

void RentalCounter::save()
{
    m_boxes.confirmAnswers = {true};
    QTest::keyClick(m_screen.get(), Qt::Key_F2);
}

bool RentalCounter::saved() const
{
    return m_screen->StatusMessage() == u"자료를 저장했습니다."_s;
}

QString RentalCounter::rentNo() const
{
    return m_screen->findChild<QLineEdit *>(u"edtRentNo"_s)->text().trimmed();
}

QStringList RentalCounter::gridLines() const
{
    QStringList lines;
    const GridModel &rows = m_screen->Rows();
    for (int row = 0; row < rows.rowCount(); ++row)
        lines << u"%1/%2/%3/%4/%5"_s.arg(rows.value(row, u"RENT_SEQ"_s), rows.value(row, u"EQUIP_NO"_s),
                                         rows.value(row, u"RENT_NAME"_s), rows.value(row, u"RENT_STAT"_s),
                                         m_screen->IsStoredRow(row) ? u"stored"_s : u"new"_s);
    lines << u"pending %1, changed stored rows %2, head %3"_s.arg(m_screen->HasPendingChanges())
                 .arg(m_screen->ChangeCount())
                 .arg(m_screen->HeadEditStatus());
    return lines;
}

QMap<QString, int> TicketsByRenter(const QByteArray &bytes)
{
    QMap<QString, int> tickets;
    static const QRegularExpression renter(u"대여자명:([^<]*)<"_s);
    // Every ticket starts with "<CB>"; a cut one never reaches its "<p>".
    qsizetype from = bytes.indexOf("<CB>");
    while (from >= 0) {
        const qsizetype next = bytes.indexOf("<CB>", from + 4);
        const QByteArray ticket = bytes.mid(from, next < 0 ? -1 : next - from);
        const QString text = FromCp949(ticket);
        if (ticket.endsWith("<p>")) {
            const auto match = renter.match(text);
            ++tickets[match.hasMatch() ? match.captured(1) : u"?"_s];
        } else {
            ++tickets[QString()];
        }
        from = next;
    }
    return tickets;
}

} // namespace soak
