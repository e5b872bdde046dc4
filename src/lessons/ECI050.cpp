#include "ECI050.h"

#include "Guard.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "Modal.h"
#include "Routines.h"
#include "SqlQuery.h"
#include "WaitCursor.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString SlotNames =
    u"       (SELECT detail_name FROM zx010ms WHERE head = :GC_LECTURE_ITEM_CODE   AND detail = lecture_item_gubun)\n"
    "           AS lecture_item_name,\n"
    "       (SELECT detail_name FROM zx010ms WHERE head = :GC_LECTURE_REC_CODE    AND detail = lecture_rec_gubun)\n"
    "           AS lecture_rec_name,\n"
    "       (SELECT detail_name FROM zx010ms WHERE head = :GC_LECTURE_DETAIL_CODE AND detail = lecture_detail_gubun)\n"
    "           AS lecture_detail_name,\n"_s;

// Every slot open on the date with the persons booked so far.
const QString StatusQuery =
    u"SELECT\n"_s + SlotNames
    + u"       yaeyak_cnt, yaeyak_ability_cnt, remark, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun\n"
      "FROM  (SELECT T1.lecture_item_gubun, T1.lecture_rec_gubun, T1.lecture_detail_gubun, T1.yaeyak_ability_cnt,\n"
      "              T1.remark, COALESCE(T2.yaeyak_cnt, 0) AS yaeyak_cnt\n"
      "       FROM   ec040ms T1\n"
      "       LEFT   JOIN (SELECT lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun,\n"
      "                           SUM(yaeyak_cnt) AS yaeyak_cnt\n"
      "                    FROM   ec050ms\n"
      "                    WHERE  yaeyak_date = :YAEYAK_DATE\n"
      "                    GROUP  BY lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun) T2\n"
      "              ON     T2.lecture_item_gubun   = T1.lecture_item_gubun\n"
      "              AND    T2.lecture_rec_gubun    = T1.lecture_rec_gubun\n"
      "              AND    T2.lecture_detail_gubun = T1.lecture_detail_gubun\n"
      "       WHERE  T1.yaeyak_date          = :YAEYAK_DATE) T\n"
      "ORDER  BY lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun"_s;

// The employee's bookings from the server's today on.
const QString BookingsQuery =
    u"SELECT '예약취소' AS cancel_mark,\n"
    "       SUBSTR(yaeyak_date,1,4) ||'-'|| SUBSTR(yaeyak_date,5,2) ||'-'|| SUBSTR(yaeyak_date,7,2) AS yaeyak_date,\n"_s
    + SlotNames
    + u"       yaeyak_cnt, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun\n"
      "FROM   ec050ms\n"
      "WHERE  yaeyak_date  >= TO_CHAR(CURRENT_DATE, 'YYYYMMDD')\n"
      "AND    TRIM(emp_no) = :EMP_NO\n"
      "ORDER  BY yaeyak_date, lecture_item_gubun, lecture_rec_gubun, lecture_detail_gubun"_s;

const QString TodaySql = u"SELECT TO_CHAR(CURRENT_DATE, 'YYYYMMDD') AS today"_s;

const QHash<QString, QString> CodeGroups = {{u"GC_LECTURE_ITEM_CODE"_s, u"E0022"_s},
                                            {u"GC_LECTURE_REC_CODE"_s, u"E0023"_s},
                                            {u"GC_LECTURE_DETAIL_CODE"_s, u"E0024"_s}};

const QList<ColumnDef> StatusColumns = {
    {.title = u"강습종목"_s, .field = u"LECTURE_ITEM_NAME"_s, .width = 135, .alignment = Qt::AlignCenter,
     .readOnly = true},
    {.title = u"강습접수"_s, .field = u"LECTURE_REC_NAME"_s, .width = 135, .readOnly = true},
    {.title = u"강습세부"_s, .field = u"LECTURE_DETAIL_NAME"_s, .width = 135, .readOnly = true},
    {.title = u"강습예약인원"_s, .field = u"YAEYAK_CNT"_s, .width = 99, .alignment = Qt::AlignRight, .readOnly = true},
};

const QList<ColumnDef> BookingColumns = {
    {.title = QString(), .field = u"CANCEL_MARK"_s, .width = 62, .alignment = Qt::AlignCenter, .readOnly = true},
    {.title = u"예약일자"_s, .field = u"YAEYAK_DATE"_s, .width = 71, .alignment = Qt::AlignCenter, .readOnly = true},
    {.title = u"강습종목"_s, .field = u"LECTURE_ITEM_NAME"_s, .width = 86, .readOnly = true},
    {.title = u"강습접수"_s, .field = u"LECTURE_REC_NAME"_s, .width = 86, .readOnly = true},
    {.title = u"강습세부"_s, .field = u"LECTURE_DETAIL_NAME"_s, .width = 86, .readOnly = true},
    {.title = u"강습인원"_s, .field = u"YAEYAK_CNT"_s, .width = 33, .alignment = Qt::AlignRight, .readOnly = true},
};

QLabel *Heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Reads a list into a grid model: the rows of `sql` with its binds.
void ReadInto(GridModel &model, const QString &sql, const QHash<QString, QString> &binds)
{
    auto query = std::make_unique<SqlQuery>(sql);
    query->setBuffered(true);
    for (auto it = binds.begin(); it != binds.end(); ++it)
        query->bind(it.key(), it.value());
    query->exec();
    model.close();
    model.setQuery(std::move(query));
    model.fetchAll();
    model.open();
}

} // namespace

TfrmECI050::TfrmECI050(QWidget *parent) : TfrmZZI010(u"frmECI050"_s, u"직원예약 등록"_s, parent)
{
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*예약일자"_s, .kind = FieldKind::Date,
                      .field = u"YAEYAK_DATE"_s, .to = &dtpDate}});
    dtpDate->setDisplayFormat(QLocale(QLocale::Korean).dateFormat(QLocale::LongFormat));
    dtpDate->setMinimumWidth(170);
    m_bookingDate = dtpDate->dateKey();
    connect(dtpDate, &QDateEdit::dateChanged, this, [this] { m_bookingDate = dtpDate->dateKey(); });

    bbtSave->setText(u"예약(F2)"_s);
    for (QPushButton *button : {bbtSave, bbtCancel, bbtClose})
        button->setFocusPolicy(Qt::ClickFocus);

    auto *work = new QHBoxLayout(panMain);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    work->addLayout(left, 1);
    work->addLayout(right, 1);

    left->addWidget(Heading(u"강습 현황"_s, panMain));
    m_status = new GridModel(this);
    m_status->setColumns(StatusColumns);
    rgrGrid = new GridView(panMain);
    rgrGrid->setObjectName(u"rgrGrid"_s);
    rgrGrid->setGridModel(m_status);
    rgrGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    left->addWidget(rgrGrid, 3);
    left->addWidget(Heading(u"비고"_s, panMain));
    memRemark = new QPlainTextEdit(panMain);
    memRemark->setObjectName(u"memRemark"_s);
    memRemark->setReadOnly(true);
    memRemark->setTabChangesFocus(true);
    left->addWidget(memRemark, 1);
    connect(rgrGrid, &GridView::currentRowChanged, this, [this] { showSlot(); });

    auto *fields = new QWidget(panMain);
    right->addWidget(fields);
    PlaceFields({
        {.name = u"edtLectureItemName"_s, .caption = u"강습종목구분"_s, .readOnly = true, .width = 160,
         .to = &edtLectureItemName},
        {.name = u"edtLectureRecName"_s, .caption = u"강습접수구분"_s, .readOnly = true, .width = 160,
         .to = &edtLectureRecName},
        {.name = u"edtLectureDetailName"_s, .caption = u"강습세부구분"_s, .readOnly = true, .width = 160,
         .to = &edtLectureDetailName},
        {.name = u"edtEmpNo"_s, .caption = u"사번"_s, .bytes = 10, .lookup = [this] { lookupEmployee(); },
         .width = 90, .to = &edtEmpNo},
        {.name = u"wlbEmpName"_s, .kind = FieldKind::Label, .sameLine = true, .width = 120, .to = &wlbEmpName},
        {.name = u"wneLectureCnt"_s, .caption = u"강습인원 (명)"_s, .kind = FieldKind::Number, .bytes = 4,
         .width = 60, .to = &wneLectureCnt},
        {.name = u"edtRemark"_s, .caption = u"비고"_s, .bytes = 500, .to = &edtRemark},
    },
                fields);
    wneLectureCnt->setValue(0);
    connect(edtEmpNo, &QLineEdit::textEdited, this, [this] { employeeChanged(); });

    right->addWidget(Heading(u"예약현황"_s, panMain));
    m_bookings = new GridModel(this);
    m_bookings->setColumns(BookingColumns);
    rgrGridYaeyak = new GridView(panMain);
    rgrGridYaeyak->setObjectName(u"rgrGridYaeyak"_s);
    rgrGridYaeyak->setGridModel(m_bookings);
    rgrGridYaeyak->setSelectionBehavior(QAbstractItemView::SelectRows);
    rgrGridYaeyak->installEventFilter(this);
    right->addWidget(rgrGridYaeyak, 1);
    connect(rgrGridYaeyak, &QAbstractItemView::clicked, this, Guarded([this](const QModelIndex &index) {
                if (index.column() == m_bookings->columnOf(u"CANCEL_MARK"_s))
                    CancelBooking(index.row());
            }));

    prcSaveData.setName(u"pr_eci050_01"_s);
    prcSaveData.declare({u"AYAEYAK_DATE"_s, u"ALECTURE_ITEM_GUBUN"_s, u"ALECTURE_REC_GUBUN"_s,
                         u"ALECTURE_DETAIL_GUBUN"_s, u"AEMP_NO"_s, u"AEMP_NAME"_s, u"AYAEYAK_CNT"_s, u"AREMARK"_s,
                         u"ACANCEL_REMARK"_s, u"AEDITSTATUS"_s});
    Calls(prcSaveData);
}

QStringList TfrmECI050::ContractSql() const
{
    return {StatusQuery, BookingsQuery, TodaySql};
}

QList<TfrmZZI000::ContractQuery> TfrmECI050::ContractQueries() const
{
    return {{StatusQuery, CodeGroups}, {BookingsQuery, CodeGroups}, {TodaySql, {}}};
}

bool TfrmECI050::refuse(const QString &message, QWidget *focus)
{
    InfoBox(message);
    if (focus)
        focus->setFocus();
    return false;
}

bool TfrmECI050::bbtSearchClick()
{
    if (!bbtSearch->isEnabled() || !bbtSearch->isVisible())
        return false;
    m_bookingDate = dtpDate->dateKey();
    // The server's calendar: a screen left open past midnight has a stale today.
    SqlQuery today(TodaySql);
    today.exec();
    const QString serverToday = today.next() ? today.value(0) : TodayKey();
    if (m_bookingDate <= serverToday)
        return refuse(u"지난일자[오늘일자 포함]는 예약할 수 없습니다"_s, dtpDate);
    readStatus();
    if (m_status->rowCount() == 0)
        return refuse(u"선택하신 일자는 예약할 수 없습니다"_s, dtpDate);
    if (!TfrmZZI010::bbtSearchClick())
        return false;
    rgrGrid->setCurrentRow(0);
    showSlot();
    rgrGrid->setFocus();
    return true;
}

void TfrmECI050::readStatus()
{
    WaitCursor wait;
    QHash<QString, QString> binds = CodeGroups;
    binds.insert(u"YAEYAK_DATE"_s, m_bookingDate);
    ReadInto(*m_status, StatusQuery, binds);
}

void TfrmECI050::readBookings()
{
    QHash<QString, QString> binds = CodeGroups;
    binds.insert(u"EMP_NO"_s, edtEmpNo->text().trimmed());
    ReadInto(*m_bookings, BookingsQuery, binds);
}

void TfrmECI050::showSlot()
{
    const int row = rgrGrid->currentRow();
    const auto value = [this, row](const QString &field) {
        return row >= 0 ? m_status->value(row, field) : QString();
    };
    edtLectureItemName->setText(value(u"LECTURE_ITEM_NAME"_s));
    edtLectureRecName->setText(value(u"LECTURE_REC_NAME"_s));
    edtLectureDetailName->setText(value(u"LECTURE_DETAIL_NAME"_s));
    memRemark->setPlainText(value(u"REMARK"_s));
}

LessonSlot TfrmECI050::selectedSlot() const
{
    const int row = rgrGrid->currentRow();
    if (row < 0 || row >= m_status->rowCount())
        return {};
    return {.date = m_bookingDate,
            .item = m_status->value(row, u"LECTURE_ITEM_GUBUN"_s),
            .reception = m_status->value(row, u"LECTURE_REC_GUBUN"_s),
            .detail = m_status->value(row, u"LECTURE_DETAIL_GUBUN"_s)};
}

void TfrmECI050::lookupEmployee()
{
    if (IsSearchMode())
        return;
    QString number;
    QString name;
    if (!PickEmployee(QString(), number, name, this)) {
        edtEmpNo->setFocus();
        return;
    }
    edtEmpNo->setText(number);
    wlbEmpName->setText(name);
    readBookings();
    wneLectureCnt->setFocus();
}

void TfrmECI050::employeeChanged()
{
    wlbEmpName->clear();
    m_bookings->close();
    m_bookings->refresh();
}

void TfrmECI050::edtExit(QWidget *left)
{
    TfrmZZI010::edtExit(left);
    if (left != edtEmpNo || IsSearchMode())
        return;
    const QString number = edtEmpNo->text().trimmed();
    if (number.isEmpty())
        return;
    wlbEmpName->setText(EmployeeName(number));
    readBookings();
}

bool TfrmECI050::bbtSaveClick()
{
    if (!TfrmZZI010::bbtSaveClick())
        return false;
    const LessonSlot slot = selectedSlot();
    if (slot.item.isEmpty())
        return false;
    const QString empNo = edtEmpNo->text().trimmed();
    if (empNo.isEmpty())
        return refuse(u"사번"_s + EnterFirst, edtEmpNo);
    if (wlbEmpName->text().trimmed().isEmpty())
        return refuse(u"사번"_s + EnterCorrectly, edtEmpNo);
    const qint64 count = wneLectureCnt->value();
    if (count <= 0)
        return refuse(u"강습인원"_s + EnterFirst, wneLectureCnt);
    // What the database holds now, not what the lists showed; the server
    // checks again under the slot's lock as it books.
    if (!NotReserved(slot, empNo))
        return refuse(u"선택한신 강습은 이미 예약이 되었습니다"_s, edtEmpNo);
    const qint64 free = qint64(ReservationCapacity(slot)) - ReservedCount(slot);
    if (free - count < 0)
        return refuse(u"예약가능 인원을 초과했습니다. 현재 가능한 강습인원은 [%1 명]입니다"_s.arg(free), wneLectureCnt);

    const bool booked = TrySave([&] {
        WaitCursor wait;
        prcSaveData.clearValues();
        prcSaveData.setValue(u"AYAEYAK_DATE"_s, slot.date);
        prcSaveData.setValue(u"ALECTURE_ITEM_GUBUN"_s, slot.item);
        prcSaveData.setValue(u"ALECTURE_REC_GUBUN"_s, slot.reception);
        prcSaveData.setValue(u"ALECTURE_DETAIL_GUBUN"_s, slot.detail);
        prcSaveData.setValue(u"AEMP_NO"_s, empNo);
        prcSaveData.setValue(u"AEMP_NAME"_s, wlbEmpName->text());
        prcSaveData.setValue(u"AYAEYAK_CNT"_s, QString::number(count));
        prcSaveData.setValue(u"AREMARK"_s, edtRemark->text());
        prcSaveData.setValue(u"AEDITSTATUS"_s, u"1"_s);
        prcSaveData.exec();
    });
    if (!booked)
        return false;
    InfoBox(u"예약이 정상적으로 처리되었습니다"_s);
    // The list shows the new booking, so that it can be cancelled at once.
    readBookings();
    return true;
}

bool TfrmECI050::CancelBooking(int row)
{
    if (IsSearchMode() || row < 0 || row >= m_bookings->rowCount())
        return false;
    if (!ConfirmBox(u"정말 예약취소 하시겠습니까?"_s))
        return false;
    QString reason;
    if (!EnterCancelRemark(reason, this))
        reason.clear();
    const QString date = m_bookings->value(row, u"YAEYAK_DATE"_s).remove(u'-');
    const bool cancelled = TrySave([&] {
        WaitCursor wait;
        prcSaveData.clearValues();
        prcSaveData.setValue(u"AYAEYAK_DATE"_s, date);
        prcSaveData.setValue(u"ALECTURE_ITEM_GUBUN"_s, m_bookings->value(row, u"LECTURE_ITEM_GUBUN"_s));
        prcSaveData.setValue(u"ALECTURE_REC_GUBUN"_s, m_bookings->value(row, u"LECTURE_REC_GUBUN"_s));
        prcSaveData.setValue(u"ALECTURE_DETAIL_GUBUN"_s, m_bookings->value(row, u"LECTURE_DETAIL_GUBUN"_s));
        prcSaveData.setValue(u"AEMP_NO"_s, edtEmpNo->text().trimmed());
        prcSaveData.setValue(u"ACANCEL_REMARK"_s, reason);
        prcSaveData.setValue(u"AEDITSTATUS"_s, u"2"_s);
        prcSaveData.exec();
    });
    // A booking gone meanwhile is refused by the server; either way the list
    // shows what is booked now, so that a stale row invites no second cancel.
    RunGuarded([this] { readBookings(); });
    if (!cancelled)
        return false;
    InfoBox(u"예약취소가 정상적으로 처리되었습니다"_s);
    rgrGridYaeyak->setFocus();
    return true;
}

bool TfrmECI050::bbtCancelClick()
{
    if (!TfrmZZI010::bbtCancelClick())
        return false;
    edtEmpNo->clear();
    wlbEmpName->clear();
    wneLectureCnt->setValue(0);
    m_status->close();
    m_status->refresh();
    m_bookings->close();
    m_bookings->refresh();
    showSlot();
    return true;
}

bool TfrmECI050::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == rgrGridYaeyak && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier
            && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Delete)) {
            const int row = rgrGridYaeyak->currentRow();
            RunGuarded([this, row] { CancelBooking(row); });
            return true;
        }
    }
    return TfrmZZI010::eventFilter(watched, event);
}

void TfrmECI050::keyPressEvent(QKeyEvent *event)
{
    if (!HandleEnterKey(event, bbtSearch, [this] { bbtSearchClick(); }))
        TfrmZZI010::keyPressEvent(event);
}
