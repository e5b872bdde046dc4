#pragma once

#include "ZZI090.h"

#include <QHash>

class CodeCombo;
class MaskEdit;
class NumberEdit;
class QFrame;
class QLabel;
class QLineEdit;
class TextEdit;

// "시즌락카 판매/키 관리": the season's lockers, one a row; a free locker is
// sold from the sale panel and saved with Save, its key handed out and
// taken back; a sold one is cancelled or moved to a free locker of its
// type from the notice box, each at once on the server.
class TfrmEHI020 : public TfrmZZI090
{
    Q_OBJECT

public:
    explicit TfrmEHI020(QWidget *parent = nullptr);

    bool bbtCancelClick() override;
    bool bbtAddClick() override { return false; }
    bool bbtDeleteClick() override { return false; }

    // "판매관리": shows the sale panel when hidden, hides it when shown.
    void ToggleSalePanel();
    // "판매 등록": the notice box for a sold locker, else a new sale.
    bool bbtSaleClick();
    // "락카키 관리": the deposit proposed and the key fields open.
    bool bbtKeyClick();
    // The notice box's "판매취소", "변경" and "종  료".
    bool bbtSaleCancelClick();
    bool bbtChangeClick();
    void CloseNotice();

    bool IsNoticeOpen() const;
    // The locker the open notice box refers to; empty when it is closed.
    QString NoticeLocker() const { return m_notice.value(QStringLiteral("LOCKER_NO")); }
    QStringList ContractSql() const override;

protected:
    bool BeforeSearch() override;
    void Searched() override;
    void Saved(const SavedRows &saved) override;

private:
    void showRow(int row);
    void setDetailsEnabled(const QList<QWidget *> &fields, bool enabled);
    // Writes a detail field into the current row's cell.
    void writeField(QWidget *control, const QString &field);
    void idnoChanged();
    void openNotice(int row);
    // Sends the cancellation ("3") or the move ("4") of the notice's sale.
    void sendNotice(const QString &status);
    // A cancellation or move is made on the server at once: edits not yet
    // saved would be lost by the reading that follows it.
    bool refusedForPendingEdits();
    // The rows as the server now holds them, for the same conditions.
    void searchAgain();

    QWidget *panSale = nullptr;
    QFrame *panNotice = nullptr;
    QPushButton *bbtSaleHeader = nullptr;
    QPushButton *bbtSaleToggle = nullptr;
    QPushButton *bbtSale = nullptr;
    QPushButton *bbtKey = nullptr;
    QPushButton *bbtSaleCancel = nullptr;
    QPushButton *bbtNoticeClose = nullptr;
    QPushButton *bbtChange = nullptr;
    NumberEdit *wneUnitAmt = nullptr;
    MaskEdit *wmeSaleDate = nullptr;
    NumberEdit *wneSaleAmt = nullptr;
    CodeCombo *cboPayCode = nullptr;
    NumberEdit *wneIpgumAmt = nullptr;
    TextEdit *edtMId = nullptr;
    TextEdit *edtMName = nullptr;
    MaskEdit *wmeMIdno = nullptr;
    TextEdit *edtMTophone = nullptr;
    NumberEdit *wneAssuranceAmt = nullptr;
    MaskEdit *wmeKeyReceiptDate = nullptr;
    MaskEdit *wmeKeyRestoreDate = nullptr;
    CodeCombo *cboUseYn = nullptr;
    QLabel *wlbCurrentLocker = nullptr;
    QLineEdit *edtChangeLocker = nullptr;
    QLineEdit *edtMNameSearch = nullptr;
    QList<QWidget *> m_saleFields;
    QList<QWidget *> m_keyFields;
    QList<QWidget *> m_details;
    QHash<QString, QString> m_notice; // the key of the row the notice box was opened for
    bool m_showing = false;
    StoredProc prcFee;
    StoredProc prcNotice;
};
