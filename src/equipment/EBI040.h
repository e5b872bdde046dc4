#pragma once

#include "EZI000.h"
#include "TicketStream.h"

#include <QList>
#include <QPair>

#include <functional>

class CodeCombo;
class DateEdit;
class MaskEdit;
class NumberEdit;
class QToolButton;
class StateButtons;
class TextEdit;
class TicketPrinter;

// "장비 대여/반납 작업": the rental counter. One rental (date, area, number)
// groups a head and one row per rented item; items come from the live list
// of free items, held on the server while their row is unsaved, and a
// rental ticket is printed for every new row after the save.
class TfrmEBI040 : public TfrmEZI000
{
    Q_OBJECT

public:
    // The ticket printer on the configured port.
    explicit TfrmEBI040(QWidget *parent = nullptr);
    // The ticket printer on the named serial device.
    TfrmEBI040(const QString &printerPort, QWidget *parent);
    ~TfrmEBI040() override;

    bool bbtDeleteClick() override;

    QStringList ContractSql() const override;

    bool sbtEquipOkClick();
    bool sbtEquipCancelClick();
    bool bbtReissueClick();
    // Selects a state button ("D", "S", "R") as pressing it does.
    bool SelectRentState(const QString &code);
    QString SelectedRentState() const;
    // Head edit status: "1" the rental is stored, "2" a new rental.
    QString HeadEditStatus() const { return EditStatusCode(m_headStatus); }
    GridModel &FreeItems() const { return *m_free; }
    TicketPrinter &Printer() const { return *m_printer; }

protected:
    QList<RowCheck> RowChecks() override;
    void RowShown() override;
    bool BeforeDiscard() override;
    bool BeforeSearch() override;
    void Searched() override;
    void SaveHead(SavedRows &saved) override;
    void Committed(SavedRows &saved) override;
    void Saved(const SavedRows &saved) override;
    void Cancelled() override;

private:
    struct Hold
    {
        QString kind;
        QString no;
    };

    void build();
    void equipKindChanged();
    void refreshFreeItems();
    void closeFreeItems();
    // PR_EBI040_03 in a transaction of its own; false after the error box.
    bool callHold(EditStatus status, const QString &kind, const QString &no);
    // Gives back the holds of rows that were never saved; false (after the
    // error box) when one could not be released.
    bool releaseHolds(const QString &onlyNo = {});
    // The ticket of a row, its cells by field.
    TRentTicketInfo ticketOf(const std::function<QString(const QString &)> &cell) const;
    void printTickets(const QList<TRentTicketInfo> &tickets);
    void pickRental();

    CodeCombo *cboArea = nullptr;
    TextEdit *edtRentNo = nullptr;
    TextEdit *edtDealName = nullptr;
    CodeCombo *cboKeepKind = nullptr;
    TextEdit *edtKeepBoxNo = nullptr;
    CodeCombo *cboRentEquip = nullptr;
    TextEdit *edtRentEquipNo = nullptr;
    CodeCombo *cboEquipSizeGubun = nullptr;
    GridView *rgrEquipNo = nullptr;
    QToolButton *sbtEquipOk = nullptr;
    QToolButton *sbtEquipCancel = nullptr;
    TextEdit *edtRentName = nullptr;
    NumberEdit *wneRentHeight = nullptr;
    NumberEdit *wneRentWeight = nullptr;
    NumberEdit *wneRentBinding = nullptr;
    CodeCombo *cboRentBootsSize = nullptr;
    CodeCombo *cboRentTicketKind = nullptr;
    MaskEdit *wmeRentSvrlDateFrom = nullptr;
    MaskEdit *wmeRentSvrlDateTo = nullptr;
    QPushButton *bbtReissue = nullptr;
    QPushButton *bbtPrintInit = nullptr;

    GridModel *m_free = nullptr;
    TicketPrinter *m_printer = nullptr;
    StoredProc m_headProc;
    StoredProc m_numberProc;
    QString m_provisionalNo; // the number a new head is saved under until its commit numbers it
    StoredProc m_holdProc;
    StateButtons *m_states = nullptr;
    EditStatus m_headStatus = EditStatus::Inserted;
    QString m_headRowVer; // the head's version as read, sent with its change
    QList<Hold> m_holds;  // items this screen holds for unsaved rows
};
