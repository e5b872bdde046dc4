#pragma once

#include "CodeServices.h"
#include "StoredProc.h"
#include "ZZI010.h"

class DateEdit;
class GridModel;
class GridView;
class NumberEdit;
class QLabel;
class QPlainTextEdit;
class TextEdit;

// "직원예약 등록": employees book places in the lessons of a date against
// the places open per slot, and cancel their bookings. Search reads the
// lesson status of the date and switches to entry; F2 books the selected
// slot; the "예약취소" cell of a booking (or Enter or Delete on it)
// cancels it after its reason is asked.
class TfrmECI050 : public TfrmZZI010
{
    Q_OBJECT

public:
    explicit TfrmECI050(QWidget *parent = nullptr);

    bool bbtSearchClick() override;
    // "예약(F2)": books the selected slot for the employee.
    bool bbtSaveClick() override;
    bool bbtCancelClick() override;
    // Cancels the booking of a row of the bookings list; false when
    // nothing was cancelled.
    bool CancelBooking(int row);

    void edtExit(QWidget *left) override;

    GridModel &Status() const { return *m_status; }
    GridModel &Bookings() const { return *m_bookings; }
    // The date the lessons were searched for, 'YYYYMMDD'.
    const QString &BookingDate() const { return m_bookingDate; }

    QStringList ContractSql() const override;
    QList<ContractQuery> ContractQueries() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void readStatus();
    void readBookings();
    void showSlot();
    void lookupEmployee();
    void employeeChanged();
    LessonSlot selectedSlot() const;
    // Shows the message, puts the focus on `focus`; false.
    bool refuse(const QString &message, QWidget *focus);

    DateEdit *dtpDate = nullptr;
    GridModel *m_status = nullptr;
    GridView *rgrGrid = nullptr;
    QPlainTextEdit *memRemark = nullptr;
    TextEdit *edtLectureItemName = nullptr;
    TextEdit *edtLectureRecName = nullptr;
    TextEdit *edtLectureDetailName = nullptr;
    TextEdit *edtEmpNo = nullptr;
    QLabel *wlbEmpName = nullptr;
    NumberEdit *wneLectureCnt = nullptr;
    TextEdit *edtRemark = nullptr;
    GridModel *m_bookings = nullptr;
    GridView *rgrGridYaeyak = nullptr;
    StoredProc prcSaveData;
    QString m_bookingDate;
};
