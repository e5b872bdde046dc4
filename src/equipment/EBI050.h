#pragma once

#include "EZI000.h"

#include <QStringList>

class CodeCombo;
class MaskEdit;
class QLabel;
class QPushButton;
class QToolButton;
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

    bool bbtSearchClick() override;
    bool bbtSaveClick() override;
    bool bbtCancelClick() override;
    // "보관증 재발급": the current stored row's ticket again.
    bool bbtReissueClick();
    bool sbtKeepClick();
    bool sbtKeepReturnClick();

    void ControlToGrid(QWidget *control) override;
    void edtExit(QWidget *left) override;

    // "K", "R" or empty: the state button drawn selected.
    QString SelectedState() const { return m_keepStat; }

protected:
    bool ValidateRow(TReturn &result) override;
    void RowShown() override;
    void NewRowSaved(int row) override;
    bool SaveRows() override;

private:
    void buildSearchBar();
    void buildBody();
    QPushButton *lookupButton(QWidget *beside, const QString &name);
    void selectState(const QString &code);
    void pressState(const QString &code);
    void lookupSeason();
    void lookupMember();
    void lookupZipCode();
    void F1Pressed();
    TKeepTicketInfo ticketOf(int row) const;
    void printNewTickets(const QStringList &numbers);

    TextEdit *edtSeason = nullptr;
    QLabel *wlbSeason = nullptr;
    QPushButton *bbtSeason = nullptr;
    CodeCombo *cboArea = nullptr;
    QToolButton *sbtKeep = nullptr;
    QToolButton *sbtKeepReturn = nullptr;
    QPushButton *bbtReissue = nullptr;
    QPushButton *bbtPrintInit = nullptr;
    QPushButton *bbtKeepMemberNo = nullptr;
    QPushButton *bbtKeepZipCode = nullptr;
    TicketPrinter *m_printer = nullptr;

    QString m_keepStat;
    // Numbers the server gave this save's new rows; valid only once it committed.
    QStringList m_newNumbers;
    // Season and area the rows were read for; the ticket and the save use them.
    QString m_season;
    QString m_area;
};
