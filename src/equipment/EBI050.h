#pragma once

#include "EZI000.h"

#include <QStringList>

class CodeCombo;
class MaskEdit;
class QLabel;
class QPushButton;
class QToolButton;
class StateButtons;
class TextEdit;
class TicketPrinter;
struct TKeepTicketInfo;

// "장비 보관/불출 작업": customers' own equipment left at the ski-storage
// counter for a season and area, one row per item, in state stored ("K") or
// released ("R"). Saving prints a storage ticket for every newly stored
// item, matched to its record by the number the server gave it.
class TfrmEBI050 : public TfrmEZI000
{
    Q_OBJECT

public:
    explicit TfrmEBI050(QWidget *parent = nullptr);
    ~TfrmEBI050() override;

    // "보관증 재발급": the current stored row's ticket again.
    bool bbtReissueClick();
    // Selects a state ("K", "R") as pressing its button does; false while
    // the button is unavailable.
    bool SelectState(const QString &code);

    void edtExit(QWidget *left) override;

    // "K", "R" or empty: the state button drawn selected.
    QString SelectedState() const;

protected:
    QList<RowCheck> RowChecks() override;
    bool BeforeSearch() override;
    void Saved(const SavedRows &saved) override;

private:
    void lookupMember();
    TKeepTicketInfo ticketOf(int row) const;
    void printNewTickets(const QStringList &numbers);

    CodeCombo *cboArea = nullptr;
    QPushButton *bbtReissue = nullptr;
    QPushButton *bbtPrintInit = nullptr;
    TextEdit *edtKeepWoodaeNo = nullptr;
    QLabel *wlbKeepWoodaeNo = nullptr;
    CodeCombo *cboKeep = nullptr;
    CodeCombo *cboKeepEquipName = nullptr;
    MaskEdit *wmeKeepInDate = nullptr;
    MaskEdit *wmeKeepOutDate = nullptr;
    TextEdit *edtKeepMemberNo = nullptr;
    TextEdit *edtKeepName = nullptr;
    MaskEdit *wmeKeepZipCode = nullptr;
    TicketPrinter *m_printer = nullptr;
    StateButtons *m_states = nullptr;
};
