#include "EHI020.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "LockerFields.h"
#include "Modal.h"
#include "Routines.h"
#include "ServerError.h"
#include "SqlQuery.h"
#include "WaitCursor.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString Query =
    u"SELECT season_year, location, area_zone, locker_type, locker_no, unit_amt, member_amt, sale_date,\n"
    "       m_id, m_name, fn_za010ms_04(m_idno) AS m_idno, fn_za010ms_04(m_tophone) AS m_tophone,\n"
    "       pay_code, sale_amt, ipgum_amt, ipgum_yn, assurance_amt, key_receipt_date, key_restore_date,\n"
    "       dc_remarks, use_yn, terminal_id, approval_no, approval_time, acquire_code, card_issuer, result,\n"
    "       result_msg, status_flag, fappstate, freservestate, fcompletecode, fbank, card_seq_no, card_join_no\n"
    "FROM   eh020ms\n"
    "WHERE  season_year = :SEASON_YEAR\n"
    "AND    (location    = :LOCATION    OR CAST(:LOCATION AS text)    IS NULL)\n"
    "AND    (area_zone   = :AREA_ZONE   OR CAST(:AREA_ZONE AS text)   IS NULL)\n"
    "AND    (locker_type = :LOCKER_TYPE OR CAST(:LOCKER_TYPE AS text) IS NULL)\n"
    "AND    (locker_no   = :LOCKER_NO   OR CAST(:LOCKER_NO AS text)   IS NULL)\n"
    "AND    (m_name      = :M_NAME      OR CAST(:M_NAME AS text)      IS NULL)\n"
    "AND    (use_yn      = :USE_YN      OR CAST(:USE_YN AS text)      IS NULL)\n"
    "ORDER  BY season_year, to_num(locker_no), locker_no"_s;

// The new locker of a move, as the operator typed its number.
const QString LockerCheck = u"SELECT sale_date, locker_type\n"
                            "FROM   eh020ms\n"
                            "WHERE  season_year = :SEASON_YEAR\n"
                            "AND    locker_no   = :LOCKER_NO"_s;

ColumnDef Hidden(const QString &title, const QString &field)
{
    return {.title = title, .field = field, .visible = false, .readOnly = true};
}

ColumnDef Shown(const QString &title, const QString &field, int width, Qt::Alignment alignment = Qt::AlignCenter,
                const QString &mask = {})
{
    return {.title = title, .field = field, .width = width, .alignment = alignment, .readOnly = true,
            .displayMask = mask};
}

const QList<ColumnDef> Columns = {
    Shown(u"시즌년도"_s, u"SEASON_YEAR"_s, 60),
    Shown(u"위치"_s, u"LOCATION"_s, 80),
    Shown(u"구역"_s, u"AREA_ZONE"_s, 60),
    Shown(u"TYPE"_s, u"LOCKER_TYPE"_s, 60),
    Shown(u"락카번호"_s, u"LOCKER_NO"_s, 60),
    Hidden(u"일반요금"_s, u"UNIT_AMT"_s),
    Hidden(u"회원요금"_s, u"MEMBER_AMT"_s),
    Shown(u"판매일자"_s, u"SALE_DATE"_s, 80, Qt::AlignCenter, u"9999-99-99"_s),
    Hidden(u"고객ID"_s, u"M_ID"_s),
    Shown(u"고객명"_s, u"M_NAME"_s, 70),
    Hidden(u"고객주민번호"_s, u"M_IDNO"_s),
    Hidden(u"고객연락처"_s, u"M_TOPHONE"_s),
    Shown(u"입금구분"_s, u"PAY_CODE"_s, 60),
    Shown(u"판매금액"_s, u"SALE_AMT"_s, 70, Qt::AlignRight, lockers::ThousandsMask),
    Shown(u"입금금액"_s, u"IPGUM_AMT"_s, 70, Qt::AlignRight, lockers::ThousandsMask),
    Hidden(u"입금완료여부"_s, u"IPGUM_YN"_s),
    Shown(u"보증금"_s, u"ASSURANCE_AMT"_s, 60, Qt::AlignRight, lockers::ThousandsMask),
    Shown(u"수령일자"_s, u"KEY_RECEIPT_DATE"_s, 80, Qt::AlignCenter, u"9999-99-99"_s),
    Shown(u"반납일자"_s, u"KEY_RESTORE_DATE"_s, 80, Qt::AlignCenter, u"9999-99-99"_s),
    Shown(u"DC Remaks"_s, u"DC_REMARKS"_s, 80, Qt::AlignLeft),
    Shown(u"사용여부"_s, u"USE_YN"_s, 60),
    // Card approval and payment state: read with the row, never written here.
    Hidden(u"단말기ID"_s, u"TERMINAL_ID"_s),
    Hidden(u"승인번호"_s, u"APPROVAL_NO"_s),
    Hidden(u"승인시간"_s, u"APPROVAL_TIME"_s),
    Hidden(u"매입사코드"_s, u"ACQUIRE_CODE"_s),
    Hidden(u"발급사"_s, u"CARD_ISSUER"_s),
    Hidden(u"결과코드"_s, u"RESULT"_s),
    Hidden(u"결과메시지"_s, u"RESULT_MSG"_s),
    Hidden(u"상태"_s, u"STATUS_FLAG"_s),
    Hidden(u"승인상태"_s, u"FAPPSTATE"_s),
    Hidden(u"예약상태"_s, u"FRESERVESTATE"_s),
    Hidden(u"완료코드"_s, u"FCOMPLETECODE"_s),
    Hidden(u"은행"_s, u"FBANK"_s),
    Hidden(u"카드순번"_s, u"CARD_SEQ_NO"_s),
    Hidden(u"카드가맹번호"_s, u"CARD_JOIN_NO"_s),
};

const QStringList NoticeKey = {u"SEASON_YEAR"_s, u"LOCATION"_s, u"AREA_ZONE"_s, u"LOCKER_TYPE"_s, u"LOCKER_NO"_s};

bool IsZero(const QString &amount)
{
    return amount.trimmed().isEmpty() || amount.trimmed().toLongLong() == 0;
}

QGroupBox *Group(const QString &title, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    group->setLayout(new QVBoxLayout);
    return group;
}

} // namespace

TfrmEHI020::TfrmEHI020(QWidget *parent) : TfrmZZI090(u"frmEHI020"_s, u"시즌락카 판매/키 관리"_s, parent)
{
    FieldDef season = lockers::SeasonField();
    QLineEdit *edtSeasonYear = nullptr;
    season.to = &edtSeasonYear;
    lockers::CodeLists lists;
    QList<FieldDef> search = lockers::ListFields(lists);
    search.insert(0, season);
    search.insert(4, {.name = u"edtLockerNo"_s, .caption = u"락카번호"_s, .field = u"LOCKER_NO"_s, .bytes = 4,
                      .width = 50});
    search.insert(5, {.name = u"edtSearchName"_s, .caption = u"고객명"_s, .field = u"M_NAME"_s, .bytes = 30,
                      .width = 90, .to = &edtMNameSearch});
    AddSearchFields(search);
    edtSeasonYear->setText(lockers::CurrentSeason());

    SetColumns(Columns);
    rgrGrid->setEditable(false);
    rgrGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    bbtAdd->hide();
    bbtDelete->hide();

    // The sale panel under the list, behind its header.
    auto *header = new QWidget(panMain);
    header->setObjectName(u"panSaleHeader"_s);
    auto *headerLine = new QHBoxLayout(header);
    headerLine->setContentsMargins(4, 2, 4, 2);
    bbtSaleHeader = new QPushButton(u"판매관리"_s, header);
    bbtSaleHeader->setObjectName(u"bbtSaleHeader"_s);
    bbtSaleHeader->setFlat(true);
    bbtSaleToggle = new QPushButton(u"▼"_s, header);
    bbtSaleToggle->setObjectName(u"bbtSaleToggle"_s);
    bbtSaleToggle->setFixedSize(20, 20);
    for (QPushButton *button : {bbtSaleHeader, bbtSaleToggle})
        button->setFocusPolicy(Qt::NoFocus);
    headerLine->addWidget(bbtSaleHeader);
    headerLine->addWidget(bbtSaleToggle);
    headerLine->addStretch();
    panMain->layout()->addWidget(header);

    panSale = new QWidget(panMain);
    panSale->setObjectName(u"panSale"_s);
    auto *saleLine = new QHBoxLayout(panSale);
    saleLine->setContentsMargins(4, 0, 4, 4);
    panMain->layout()->addWidget(panSale);

    auto *saleColumn = new QVBoxLayout;
    bbtSale = new QPushButton(u"판매 등록"_s, panSale);
    bbtSale->setObjectName(u"bbtSale"_s);
    saleColumn->addWidget(bbtSale);
    QGroupBox *saleGroup = Group(u"[ 판매정보 ]"_s, panSale);
    saleGroup->setObjectName(u"grpSale"_s);
    PlaceFields({{.name = u"wneUnitAmt"_s, .caption = u"일 반  요 금"_s, .kind = FieldKind::Number,
                  .field = u"UNIT_AMT"_s, .bytes = 10, .readOnly = true, .width = 100, .to = &wneUnitAmt},
                 {.name = u"wmeSaleDate"_s, .caption = u"판 매  일 자"_s, .kind = FieldKind::Mask,
                  .field = u"SALE_DATE"_s, .mask = u"9999-99-99;0; "_s, .width = 100, .to = &wmeSaleDate},
                 {.name = u"wneSaleAmt"_s, .caption = u"판 매  금 액"_s, .kind = FieldKind::Number,
                  .field = u"SALE_AMT"_s, .bytes = 10, .readOnly = true, .width = 100, .to = &wneSaleAmt},
                 {.name = u"cboPayCode"_s, .caption = u"입 금  구 분"_s, .kind = FieldKind::Code,
                  .field = u"PAY_CODE"_s, .width = 100, .to = &cboPayCode},
                 {.name = u"wneIpgumAmt"_s, .caption = u"입 금  금 액"_s, .kind = FieldKind::Number,
                  .field = u"IPGUM_AMT"_s, .bytes = 10, .width = 100, .to = &wneIpgumAmt}},
                saleGroup);
    saleColumn->addWidget(saleGroup);
    saleLine->addLayout(saleColumn);

    auto *customerColumn = new QVBoxLayout;
    customerColumn->addSpacing(bbtSale->sizeHint().height());
    QGroupBox *customerGroup = Group(u"[ 고객정보 ]"_s, panSale);
    customerGroup->setObjectName(u"grpCustomer"_s);
    PlaceFields({{.name = u"edtMId"_s, .caption = u"고객로그인ID "_s, .field = u"M_ID"_s, .bytes = 40,
                  .width = 120, .to = &edtMId},
                 {.name = u"edtMName"_s, .caption = u"고객      성명"_s, .field = u"M_NAME"_s, .bytes = 20,
                  .width = 120, .to = &edtMName},
                 {.name = u"wmeMIdno"_s, .caption = u"고객주민번호"_s, .kind = FieldKind::ResidentNo,
                  .field = u"M_IDNO"_s, .to = &wmeMIdno},
                 {.name = u"edtMTophone"_s, .caption = u"고객   연락처"_s, .field = u"M_TOPHONE"_s, .bytes = 30,
                  .width = 120, .to = &edtMTophone}},
                customerGroup);
    customerColumn->addWidget(customerGroup);
    saleLine->addLayout(customerColumn);

    auto *keyColumn = new QVBoxLayout;
    bbtKey = new QPushButton(u"락카키 관리"_s, panSale);
    bbtKey->setObjectName(u"bbtKey"_s);
    keyColumn->addWidget(bbtKey);
    QGroupBox *keyGroup = Group(u"[ 키 관리 ]"_s, panSale);
    keyGroup->setObjectName(u"grpKey"_s);
    PlaceFields({{.name = u"wneAssuranceAmt"_s, .caption = u"보 증  금 액"_s, .kind = FieldKind::Number,
                  .field = u"ASSURANCE_AMT"_s, .bytes = 10, .width = 100, .to = &wneAssuranceAmt},
                 {.name = u"wmeKeyReceiptDate"_s, .caption = u"키 수령일자"_s, .kind = FieldKind::Mask,
                  .field = u"KEY_RECEIPT_DATE"_s, .mask = u"9999-99-99;0; "_s, .width = 100,
                  .to = &wmeKeyReceiptDate},
                 {.name = u"wmeKeyRestoreDate"_s, .caption = u"키 반납일자"_s, .kind = FieldKind::Mask,
                  .field = u"KEY_RESTORE_DATE"_s, .mask = u"9999-99-99;0; "_s, .width = 100,
                  .to = &wmeKeyRestoreDate},
                 {.name = u"cboUseYn"_s, .caption = u"사 용  여 부"_s, .kind = FieldKind::Code, .field = u"USE_YN"_s,
                  .width = 60, .to = &cboUseYn, .choices = [] {
                      PickList yn;
                      yn.append(u"Y"_s, u"Y"_s);
                      yn.append(u"N"_s, u"N"_s);
                      return yn;
                  }()}},
                keyGroup);
    keyColumn->addWidget(keyGroup);
    saleLine->addLayout(keyColumn);

    panNotice = new QFrame(panSale);
    panNotice->setObjectName(u"panNotice"_s);
    panNotice->setFrameShape(QFrame::Box);
    auto *notice = new QVBoxLayout(panNotice);
    for (const QString &line : {u"이미 판매된 락카입니다. "_s, u"판매취소를 원하시면 취소버튼을 눌러주세요."_s,
                                u"락카변경을 원하시면 변경버튼을"_s, u"판매취소시 신용카드 결재의 경우"_s,
                                u"카드결재 취소의뢰를 하시기 바랍니다."_s})
        notice->addWidget(new QLabel(line, panNotice));
    auto *noticeButtons = new QHBoxLayout;
    bbtSaleCancel = new QPushButton(u"판매취소"_s, panNotice);
    bbtSaleCancel->setObjectName(u"bbtSaleCancel"_s);
    bbtNoticeClose = new QPushButton(u"종  료"_s, panNotice);
    bbtNoticeClose->setObjectName(u"bbtNoticeClose"_s);
    noticeButtons->addWidget(bbtSaleCancel);
    noticeButtons->addWidget(bbtNoticeClose);
    notice->addLayout(noticeButtons);
    auto *change = new QHBoxLayout;
    change->addWidget(new QLabel(u"현재락카"_s, panNotice));
    wlbCurrentLocker = new QLabel(panNotice);
    wlbCurrentLocker->setObjectName(u"wlbCurrentLocker"_s);
    wlbCurrentLocker->setFrameShape(QFrame::StyledPanel);
    wlbCurrentLocker->setMinimumWidth(50);
    change->addWidget(wlbCurrentLocker);
    change->addWidget(new QLabel(u"변경락카"_s, panNotice));
    edtChangeLocker = new QLineEdit(panNotice);
    edtChangeLocker->setObjectName(u"edtChangeLocker"_s);
    edtChangeLocker->setMaxLength(4);
    edtChangeLocker->setFixedWidth(50);
    change->addWidget(edtChangeLocker);
    bbtChange = new QPushButton(u"변경"_s, panNotice);
    bbtChange->setObjectName(u"bbtChange"_s);
    change->addWidget(bbtChange);
    notice->addLayout(change);
    saleLine->addWidget(panNotice);
    saleLine->addStretch();
    panNotice->hide();
    panSale->hide();

    m_saleFields = {edtMId, edtMName, wmeMIdno, edtMTophone, cboPayCode, wneIpgumAmt};
    m_keyFields = {wneAssuranceAmt, wmeKeyReceiptDate, wmeKeyRestoreDate, cboUseYn};
    m_details = {wneUnitAmt, wmeSaleDate, wneSaleAmt};
    m_details += m_saleFields + m_keyFields;

    // Each change of a detail field goes into the row at once; the row is
    // saved with Save. The fields take the base's keys (Enter moves on).
    for (QWidget *control : std::as_const(m_details)) {
        BindHeadField(control);
        const QString field = control == wneUnitAmt ? u"UNIT_AMT"_s
                              : control == wmeSaleDate ? u"SALE_DATE"_s
                              : control == wneSaleAmt ? u"SALE_AMT"_s
                              : control == cboPayCode ? u"PAY_CODE"_s
                              : control == wneIpgumAmt ? u"IPGUM_AMT"_s
                              : control == edtMId ? u"M_ID"_s
                              : control == edtMName ? u"M_NAME"_s
                              : control == wmeMIdno ? u"M_IDNO"_s
                              : control == edtMTophone ? u"M_TOPHONE"_s
                              : control == wneAssuranceAmt ? u"ASSURANCE_AMT"_s
                              : control == wmeKeyReceiptDate ? u"KEY_RECEIPT_DATE"_s
                              : control == wmeKeyRestoreDate ? u"KEY_RESTORE_DATE"_s
                                                             : u"USE_YN"_s;
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            connect(edit, &QLineEdit::textEdited, this, Guarded([this, control, field] {
                        writeField(control, field);
                        if (control == wmeMIdno)
                            idnoChanged();
                    }));
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            connect(combo, &QComboBox::activated, this, Guarded([this, control, field] { writeField(control, field); }));
    }

    OnClick(bbtSaleHeader, [this] { ToggleSalePanel(); });
    OnClick(bbtSaleToggle, [this] { ToggleSalePanel(); });
    OnClick(bbtSale, [this] { bbtSaleClick(); });
    OnClick(bbtKey, [this] { bbtKeyClick(); });
    OnClick(bbtSaleCancel, [this] { bbtSaleCancelClick(); });
    OnClick(bbtNoticeClose, [this] { CloseNotice(); });
    OnClick(bbtChange, [this] { bbtChangeClick(); });
    connect(rgrGrid, &GridView::currentRowChanged, this, Guarded([this](int row, int) { showRow(row); }));

    qryQuery.setSql(Query);
    prcProc.setName(u"pr_ehi020_01"_s);
    prcFee.setName(u"pr_ehi020_02"_s);
    prcFee.declare({u"AM_IDNO"_s, u"ASEASON_YEAR"_s, u"ALOCATION"_s, u"AAREA_ZONE"_s, u"ALOCKER_TYPE"_s,
                    u"ALOCKER_NO"_s});
    Calls(prcFee);
    prcNotice.setName(u"pr_ehi020_03"_s);
    prcNotice.declare({u"ASEASON_YEAR"_s, u"ALOCATION"_s, u"AAREA_ZONE"_s, u"ALOCKER_TYPE"_s, u"ALOCKER_NO"_s,
                       u"ALOCKER_NO_CHANGE"_s, u"AEDITSTATUS"_s});
    Calls(prcNotice);

    lockers::FillLists(lists);
    try {
        cboPayCode->addCode(QString(), QString());
        // The sale keeps the payment class's label, as the list shows it.
        SqlQuery payClasses(u"SELECT detail_name FROM zx010ms\n"
                            "WHERE  head = 'C0003' AND item1 = 'Y'\n"
                            "ORDER  BY detail"_s);
        payClasses.exec();
        while (payClasses.next())
            cboPayCode->addCode(payClasses.value(0), payClasses.value(0));
        cboPayCode->setCurrentIndex(0);
        for (const auto &[field, group] : {std::pair{u"LOCATION"_s, u"E0017"_s}, std::pair{u"AREA_ZONE"_s, u"E0055"_s},
                                           std::pair{u"LOCKER_TYPE"_s, u"E0056"_s}})
            FillColumnCodes(Rows(), Rows().columnOf(field), group);
    } catch (const ServerError &error) {
        ErrorBox(u"에러내용:\r"_s + error.message());
    }
    setDetailsEnabled(m_details, false);
}

QStringList TfrmEHI020::ContractSql() const
{
    return {Query, LockerCheck};
}

bool TfrmEHI020::BeforeSearch()
{
    qryQuery.clearBinds();
    BindSearchValues(qryQuery);
    return true;
}

void TfrmEHI020::Searched()
{
    CloseNotice();
    showRow(rgrGrid->currentRow());
}

void TfrmEHI020::Saved(const SavedRows &)
{
    // The server priced the sale and set the flags: show what it holds.
    searchAgain();
}

void TfrmEHI020::searchAgain()
{
    if (TfrmGridEntry::bbtCancelClick())
        bbtSearchClick();
}

void TfrmEHI020::setDetailsEnabled(const QList<QWidget *> &fields, bool enabled)
{
    for (QWidget *field : fields)
        field->setEnabled(enabled);
}

void TfrmEHI020::showRow(int row)
{
    const bool valid = row >= 0 && row < Rows().rowCount();
    {
        const QScopedValueRollback showing(m_showing, true);
        const auto show = [&](QWidget *control, const QString &field) {
            if (valid)
                SetControlValue(control, Rows().value(row, field));
            else
                ClearControl(control);
        };
        show(wneUnitAmt, u"UNIT_AMT"_s);
        show(wmeSaleDate, u"SALE_DATE"_s);
        show(wneSaleAmt, u"SALE_AMT"_s);
        show(wneIpgumAmt, u"IPGUM_AMT"_s);
        show(edtMId, u"M_ID"_s);
        show(edtMName, u"M_NAME"_s);
        show(wmeMIdno, u"M_IDNO"_s);
        show(edtMTophone, u"M_TOPHONE"_s);
        show(wneAssuranceAmt, u"ASSURANCE_AMT"_s);
        show(wmeKeyReceiptDate, u"KEY_RECEIPT_DATE"_s);
        show(wmeKeyRestoreDate, u"KEY_RESTORE_DATE"_s);
        show(cboUseYn, u"USE_YN"_s);
        const int pay = valid ? cboPayCode->findText(Rows().value(row, u"PAY_CODE"_s)) : 0;
        cboPayCode->setCurrentIndex(pay < 0 ? 0 : pay);
    }
    setDetailsEnabled(m_details, false);
}

void TfrmEHI020::writeField(QWidget *control, const QString &field)
{
    const int row = rgrGrid->currentRow();
    if (m_showing || row < 0 || row >= Rows().rowCount())
        return;
    const QString value = control == cboPayCode ? cboPayCode->currentText() : ControlValue(control);
    Rows().setValue(row, field, value);
}

void TfrmEHI020::idnoChanged()
{
    const int row = rgrGrid->currentRow();
    if (row < 0 || row >= Rows().rowCount())
        return;
    const QString idno = Rows().value(row, u"M_IDNO"_s);
    if (idno.size() != 13 || !IsZero(Rows().value(row, u"SALE_AMT"_s)))
        return;
    try {
        const ServerWait wait(this);
        prcFee.clearValues();
        prcFee.setValue(u"AM_IDNO"_s, idno);
        for (const QString &field : {u"SEASON_YEAR"_s, u"LOCATION"_s, u"AREA_ZONE"_s, u"LOCKER_TYPE"_s, u"LOCKER_NO"_s})
            prcFee.setValue(u"A"_s + field, Rows().value(row, field));
        prcFee.exec();
    } catch (const ServerError &error) {
        ErrorBox(u"시즌락카 요금조회 오류\r"_s + error.message());
        return;
    }
    SetControlValue(wneSaleAmt, prcFee.output(u"asale_amt"_s));
    writeField(wneSaleAmt, u"SALE_AMT"_s);
}

void TfrmEHI020::ToggleSalePanel()
{
    panSale->setVisible(!panSale->isVisible());
    bbtSaleToggle->setText(panSale->isVisible() ? u"▲"_s : u"▼"_s);
}

bool TfrmEHI020::IsNoticeOpen() const
{
    return !m_notice.isEmpty();
}

bool TfrmEHI020::bbtSaleClick()
{
    const int row = rgrGrid->currentRow();
    if (!bbtSale->isEnabled() || row < 0 || row >= Rows().rowCount())
        return false;
    if (Rows().value(row, u"SALE_DATE"_s).size() == 8) {
        openNotice(row);
        return true;
    }
    InfoBox(u"고객정보와 판매정보를 등록하신 후 Save 버튼을 누르세요"_s);
    setDetailsEnabled(m_saleFields, true);
    SetControlValue(wmeSaleDate, TodayKey());
    writeField(wmeSaleDate, u"SALE_DATE"_s);
    edtMId->setFocus();
    return true;
}

bool TfrmEHI020::bbtKeyClick()
{
    const int row = rgrGrid->currentRow();
    if (!bbtKey->isEnabled() || row < 0 || row >= Rows().rowCount())
        return false;
    wneAssuranceAmt->setValue(30000);
    writeField(wneAssuranceAmt, u"ASSURANCE_AMT"_s);
    setDetailsEnabled(m_keyFields, true);
    wneAssuranceAmt->setFocus();
    return true;
}

void TfrmEHI020::openNotice(int row)
{
    m_notice.clear();
    for (const QString &field : NoticeKey)
        m_notice.insert(field, Rows().value(row, field));
    wlbCurrentLocker->setText(m_notice.value(u"LOCKER_NO"_s));
    edtChangeLocker->clear();
    panNotice->show();
    if (!panSale->isVisible())
        ToggleSalePanel();
    edtChangeLocker->setFocus();
}

void TfrmEHI020::CloseNotice()
{
    m_notice.clear();
    wlbCurrentLocker->clear();
    edtChangeLocker->clear();
    panNotice->hide();
}

bool TfrmEHI020::refusedForPendingEdits()
{
    PostRow();
    if (!IsRowChanged())
        return false;
    ErrorBox(u"저장하지 않은 자료가 있습니다. 저장하거나 취소한 후 다시 하십시오."_s);
    return true;
}

void TfrmEHI020::sendNotice(const QString &status)
{
    const ServerWait wait(this);
    prcNotice.clearValues();
    for (const QString &field : NoticeKey)
        prcNotice.setValue(u"A"_s + field, m_notice.value(field));
    prcNotice.setValue(u"ALOCKER_NO_CHANGE"_s, edtChangeLocker->text().trimmed());
    prcNotice.setValue(u"AEDITSTATUS"_s, status);
    prcNotice.exec();
}

bool TfrmEHI020::bbtSaleCancelClick()
{
    if (!IsNoticeOpen() || refusedForPendingEdits() || !ConfirmBox(u"판매를 취소하시겠습니까?"_s))
        return false;
    try {
        sendNotice(u"3"_s);
    } catch (const ServerError &error) {
        ErrorBox(u"판매취소 오류\r"_s + error.message());
        return false;
    }
    InfoBox(u"판매가 취소되었습니다."_s);
    CloseNotice();
    // The row is read again as the server now holds it, its sale emptied:
    // no change of it is left that a later Save could send back.
    searchAgain();
    return true;
}

bool TfrmEHI020::bbtChangeClick()
{
    if (!IsNoticeOpen())
        return false;
    const QString target = edtChangeLocker->text().trimmed();
    SqlQuery check(LockerCheck);
    check.bind(u"SEASON_YEAR"_s, m_notice.value(u"SEASON_YEAR"_s));
    check.bind(u"LOCKER_NO"_s, target);
    check.exec();
    const bool found = check.next();
    const QString saleDate = found ? check.value(0) : QString();
    const QString type = found ? check.value(1) : QString();
    check.close();
    if (target.size() < 3) {
        ErrorBox(u"변경 락카번호 입력을 확인하세요."_s);
        return false;
    }
    if (!saleDate.isEmpty()) {
        ErrorBox(u"이미 판매된 락카번호로는 변경이 불가합니다."_s);
        return false;
    }
    if (type != m_notice.value(u"LOCKER_TYPE"_s)) {
        ErrorBox(u"변경 락카번호의 락카형이 달라서 변경할수 없습니다.확인하세요"_s);
        return false;
    }
    if (refusedForPendingEdits() || !ConfirmBox(u"락카를 변경하시겠습니까?"_s))
        return false;
    try {
        sendNotice(u"4"_s);
    } catch (const ServerError &error) {
        ErrorBox(u"판매취소 오류\r"_s + error.message());
        return false;
    }
    InfoBox(u"락카가 변경되었습니다."_s);
    CloseNotice();
    searchAgain();
    return true;
}

bool TfrmEHI020::bbtCancelClick()
{
    if (!TfrmZZI090::bbtCancelClick())
        return false;
    {
        const QScopedValueRollback showing(m_showing, true);
        for (QWidget *control : std::as_const(m_details))
            ClearControl(control);
        cboPayCode->setCurrentIndex(0);
    }
    setDetailsEnabled(m_details, false);
    CloseNotice();
    edtMNameSearch->clear();
    return true;
}
