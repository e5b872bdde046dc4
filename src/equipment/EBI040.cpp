#include "EBI040.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "DataModule.h"
#include "GridModel.h"
#include "EquipmentRules.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "SqlQuery.h"
#include "StateButtons.h"
#include "TicketPrinter.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString HeadSql = u"SELECT deal_name, keep_kind_gubun, keep_box_no, row_ver\n"
                        "FROM   eb040ms\n"
                        "WHERE  rent_date  = :RENT_DATE\n"
                        "AND    area_gubun = :AREA_GUBUN\n"
                        "AND    rent_no    = :RENT_NO"_s;

const QString RowSql = u"SELECT rent_seq, ticket_kind, rent_stat, equip_gubun, equip_no, rent_name,\n"
                       "       fn_za010ms_04(tel_no) AS tel_no, height, weight, shoes_size, binding, zip_code,\n"
                       "       fn_za010ms_04(addr1) AS addr1, fn_za010ms_04(addr2) AS addr2,\n"
                       "       svrl_rent_from_date, svrl_rent_to_date, remark, row_ver\n"
                       "FROM   eb040dt\n"
                       "WHERE  rent_date  = :RENT_DATE\n"
                       "AND    area_gubun = :AREA_GUBUN\n"
                       "AND    rent_no    = :RENT_NO\n"
                       "ORDER  BY rent_seq"_s;

QString trimmed(const QLineEdit *edit)
{
    if (auto *mask = qobject_cast<const MaskEdit *>(edit))
        return mask->plainText().trimmed();
    return edit->text().trimmed();
}

} // namespace

TfrmEBI040::TfrmEBI040(QWidget *parent) : TfrmEBI040(TicketPrinter::ConfiguredPortName(), parent)
{
}

TfrmEBI040::TfrmEBI040(const QString &printerPort, QWidget *parent)
    : TfrmEZI000(u"frmEBI040"_s, u"장비 대여/반납 작업"_s, parent), m_free(new GridModel(this)),
      m_printer(new TicketPrinter(printerPort, this))
{
    m_printer->setObjectName(u"cptFlotec"_s);
    build();
    m_printer->OpenPrinter();
    // Holds this counter's earlier session left behind (a crash, a lost
    // connection) go at once, not when they lapse.
    RunGuarded([] {
        SaveTransaction transaction;
        StoredProc release(u"pr_ebi040_04"_s);
        release.exec();
        transaction.commit();
    });
}

TfrmEBI040::~TfrmEBI040() = default;

void TfrmEBI040::build()
{
    AddSearchFields({
        {.name = u"dtpDate"_s, .caption = u"*대여일자"_s, .kind = FieldKind::Date, .field = u"RENT_DATE"_s},
        {.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .to = &cboArea},
        {.name = u"edtRentNo"_s, .caption = u"대여번호"_s, .field = u"RENT_NO"_s, .bytes = 10,
         .lookup = [this] { pickRental(); }, .to = &edtRentNo},
    });
    AddHeadFields({
        {.name = u"edtDealName"_s, .caption = u"*취급자"_s, .bytes = 30, .required = true, .to = &edtDealName},
        {.name = u"cboKeepKind"_s, .caption = u"*보관내용구분"_s, .kind = FieldKind::Code, .codeGroup = u"E0013"_s,
         .required = true, .to = &cboKeepKind},
        {.name = u"edtKeepBoxNo"_s, .caption = u"*보관함번호"_s, .bytes = 5, .required = true, .to = &edtKeepBoxNo},
    });

    SetColumns({{.title = u"대여순번"_s, .field = u"RENT_SEQ"_s, .width = 60, .dataWidth = 4,
                 .alignment = Qt::AlignRight, .readOnly = true, .key = true},
                {.title = u"권종"_s, .field = u"TICKET_KIND"_s, .width = 90, .readOnly = true},
                {.title = u"대여상태"_s, .field = u"RENT_STAT"_s, .width = 70, .readOnly = true,
                 .codeGroup = u"E0012"_s},
                {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN"_s, .visible = false},
                {.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .visible = false},
                {.title = u"대여자명"_s, .field = u"RENT_NAME"_s, .visible = false},
                {.title = u"연락처"_s, .field = u"TEL_NO"_s, .visible = false},
                {.title = u"신장"_s, .field = u"HEIGHT"_s, .visible = false},
                {.title = u"체중"_s, .field = u"WEIGHT"_s, .visible = false},
                {.title = u"부츠사이즈"_s, .field = u"SHOES_SIZE"_s, .visible = false},
                {.title = u"바인딩강도"_s, .field = u"BINDING"_s, .visible = false},
                {.title = u"우편번호"_s, .field = u"ZIP_CODE"_s, .visible = false},
                {.title = u"주소"_s, .field = u"ADDR1"_s, .visible = false},
                {.title = u"상세주소"_s, .field = u"ADDR2"_s, .visible = false},
                {.title = u"연일대여기간From"_s, .field = u"SVRL_RENT_FROM_DATE"_s, .visible = false},
                {.title = u"연일대여기간To"_s, .field = u"SVRL_RENT_TO_DATE"_s, .visible = false},
                {.title = u"비고"_s, .field = u"REMARK"_s, .visible = false},
                {.title = u"버전"_s, .field = u"ROW_VER"_s, .visible = false, .readOnly = true}});
    panGrid->setMaximumWidth(260);

    m_states = AddStateButtons({}, u"RENT_STAT"_s,
                               {{u"sbtRentDay"_s, u"일일대여[F5]"_s, u"D"_s, Qt::Key_F5},
                                {u"sbtRentSvrl"_s, u"연일대여[F6]"_s, u"S"_s, Qt::Key_F6},
                                {u"sbtReturn"_s, u"반납[F7]"_s, u"R"_s, Qt::Key_F7}});

    AddFields({
        {.name = u"cboRentEquip"_s, .caption = u"*장비구분"_s, .kind = FieldKind::Code, .field = u"EQUIP_GUBUN"_s,
         .codeGroup = u"E0009"_s, .required = true, .to = &cboRentEquip},
        {.name = u"edtRentEquipNo"_s, .caption = u"*장비번호"_s, .field = u"EQUIP_NO"_s, .bytes = 5,
         .required = true, .readOnly = true, .to = &edtRentEquipNo},
        {.name = u"cboEquipSizeGubun"_s, .caption = u"사이즈"_s, .kind = FieldKind::Code, .to = &cboEquipSizeGubun},
    });
    QPalette blue = edtRentEquipNo->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    edtRentEquipNo->setPalette(blue);

    // Free items
    auto *freeLine = new QHBoxLayout;
    rgrEquipNo = new GridView(panBody);
    rgrEquipNo->setObjectName(u"rgrEquipNo"_s);
    m_free->setColumns({{.title = u"장비번호"_s, .field = u"EQUIP_NO"_s, .width = 90, .readOnly = true,
                         .footer = true}});
    rgrEquipNo->setGridModel(m_free);
    rgrEquipNo->applyColumns();
    rgrEquipNo->setFooterVisible(true);
    rgrEquipNo->setFixedSize(140, 150);
    rgrEquipNo->setTabKeyNavigation(false); // Tab leaves the list; Up and Down choose, F10 takes
    m_free->setFooter(0, u"0"_s);
    freeLine->addWidget(rgrEquipNo);
    auto *freeButtons = new QVBoxLayout;
    sbtEquipOk = new QToolButton(panBody);
    sbtEquipOk->setObjectName(u"sbtEquipOk"_s);
    sbtEquipOk->setText(u"선택(F10)"_s);
    sbtEquipCancel = new QToolButton(panBody);
    sbtEquipCancel->setObjectName(u"sbtEquipCancel"_s);
    sbtEquipCancel->setText(u"취소(F11)"_s);
    auto *bbtEquipNoRef = new QPushButton(u"다시보기"_s, panBody);
    bbtEquipNoRef->setObjectName(u"bbtEquipNoRef"_s);
    for (QWidget *button : {static_cast<QWidget *>(sbtEquipOk), static_cast<QWidget *>(sbtEquipCancel),
                            static_cast<QWidget *>(bbtEquipNoRef)}) {
        button->setFocusPolicy(Qt::NoFocus);
        freeButtons->addWidget(button);
    }
    freeButtons->addStretch();
    freeLine->addLayout(freeButtons);
    freeLine->addStretch();
    m_bodyLayout->addRow(freeLine);
    OnClick(sbtEquipOk, [this] { sbtEquipOkClick(); });
    OnClick(sbtEquipCancel, [this] { sbtEquipCancelClick(); });
    OnClick(bbtEquipNoRef, [this] { refreshFreeItems(); });
    AddHotkey(QKeySequence(Qt::Key_F10), u"선택"_s, [this] {
        if (sbtEquipOk->isEnabled() && sbtEquipOk->isVisible())
            sbtEquipOkClick();
    });
    AddHotkey(QKeySequence(Qt::Key_F11), u"취소"_s, [this] {
        if (sbtEquipCancel->isEnabled() && sbtEquipCancel->isVisible())
            sbtEquipCancelClick();
    });
    connect(edtRentEquipNo, &QLineEdit::textChanged, this,
            [this](const QString &text) { sbtEquipOk->setEnabled(text.isEmpty()); });
    connect(cboRentEquip, &QComboBox::currentIndexChanged, this, Guarded([this] { equipKindChanged(); }));
    connect(cboEquipSizeGubun, &QComboBox::currentIndexChanged, this, Guarded([this] { refreshFreeItems(); }));

    AddFields({
        {.name = u"edtRentName"_s, .caption = u"*대여자명"_s, .field = u"RENT_NAME"_s, .bytes = 30,
         .required = true},
        {.name = u"edtRentTel"_s, .caption = u"연락처"_s, .field = u"TEL_NO"_s, .bytes = 20},
        {.name = u"wneRentHeight"_s, .caption = u"신장"_s, .kind = FieldKind::Number, .field = u"HEIGHT"_s,
         .bytes = 3, .to = &wneRentHeight},
        {.name = u"wneRentWeight"_s, .caption = u"Cm   체중"_s, .kind = FieldKind::Number, .field = u"WEIGHT"_s,
         .bytes = 3, .sameLine = true, .to = &wneRentWeight},
        {.name = u"cboRentBootsSize"_s, .caption = u"*부츠사이즈"_s, .kind = FieldKind::Code,
         .field = u"SHOES_SIZE"_s, .codeGroup = u"E0011"_s, .required = true, .to = &cboRentBootsSize},
        {.name = u"wneRentBinding"_s, .caption = u"바인딩강도"_s, .kind = FieldKind::Number, .field = u"BINDING"_s,
         .bytes = 3, .to = &wneRentBinding},
        {.name = u"wmeRentZipCode"_s, .caption = u"주소"_s, .kind = FieldKind::PostalCode, .field = u"ZIP_CODE"_s,
         .lookupButton = u"bbtZipCode"_s, .pick = PostalLookup()},
        {.name = u"edtRentAddr1"_s, .field = u"ADDR1"_s, .bytes = 60, .sameLine = true, .readOnly = true},
        // The detail address is typed, so it is an edit under its historic name.
        {.name = u"wlbRentAddr2"_s, .field = u"ADDR2"_s, .bytes = 60},
        {.name = u"cboRentTicketKind"_s, .caption = u"*권종"_s, .kind = FieldKind::Code, .field = u"TICKET_KIND"_s,
         .codeGroup = u"I0005"_s, .required = true, .to = &cboRentTicketKind},
        {.name = u"edtRentRemark"_s, .caption = u"비고"_s, .field = u"REMARK"_s, .bytes = 60},
        {.name = u"wmeRentSvrlDateFrom"_s, .caption = u"연일대여기간"_s, .kind = FieldKind::Mask,
         .field = u"SVRL_RENT_FROM_DATE"_s, .mask = u"9999-99-99;0; "_s, .to = &wmeRentSvrlDateFrom},
        {.name = u"wmeRentSvrlDateTo"_s, .caption = u"~"_s, .kind = FieldKind::Mask, .field = u"SVRL_RENT_TO_DATE"_s,
         .mask = u"9999-99-99;0; "_s, .sameLine = true, .to = &wmeRentSvrlDateTo},
    });

    bbtReissue = AddButton(u"bbtReissue"_s, u"대여증 재발급(F99)"_s, bbtAdd);
    bbtPrintInit = AddButton(u"bbtPrintInit"_s, u"프린터초기화"_s, bbtReissue);
    bbtReissue->setFixedWidth(140);
    OnClick(bbtReissue, [this] { bbtReissueClick(); });
    OnClick(bbtPrintInit, [this] {
        // Says what the printer's lines told, a failure in a box.
        const TicketPrinter::Answer answer = m_printer->InitPrinter();
        if (answer == TicketPrinter::Answer::Silent || answer == TicketPrinter::Answer::NoPort)
            ErrorBox(m_printer->AnswerText(answer));
        else
            ShowStatus(m_printer->AnswerText(answer).replace(u'\r', u' '));
    });

    qryQuery.setSql(RowSql);
    prcSaveData.setName(u"pr_ebi040_02"_s);
    prcSaveData.declare({u"ARENT_NO"_s});
    m_headProc.setName(u"pr_ebi040_01"_s);
    m_headProc.declare({u"ADEAL_NAME"_s, u"AKEEP_KIND_GUBUN"_s, u"AKEEP_BOX_NO"_s, u"AROW_VER"_s, u"AEDITSTATUS"_s,
                        u"ALATE_NUMBER"_s});
    Calls(m_headProc, [this] { return SearchParameters(); });
    m_numberProc.setName(u"pr_ebi040_05"_s);
    m_numberProc.declare({u"ARENT_NO"_s});
    Calls(m_numberProc, [this] { return SearchParameters(); });
    m_holdProc.setName(u"pr_ebi040_03"_s);
    m_holdProc.declare({u"ARENT_DATE"_s, u"AAREA_GUBUN"_s, u"AEQUIP_GUBUN"_s, u"AEQUIP_NO"_s, u"AEDITSTATUS"_s});
    Calls(m_holdProc);
    SetOptions({.checkCurrentRow = true, .checkLoneBlankRow = true, .keepEmptyRow = true});
}

bool TfrmEBI040::BeforeSearch()
{
    const QString rentNo = edtRentNo->text().trimmed();
    // ASCII digits: QChar::isDigit takes full-width ones too, which the server cannot read as a number.
    if (!rentNo.isEmpty() && (rentNo.size() > 18 || !std::all_of(rentNo.begin(), rentNo.end(), [](QChar c) {
                                  return c >= u'0' && c <= u'9';
                              }))) {
        InfoBox(u"대여번호"_s + EnterCorrectly);
        edtRentNo->setFocus();
        return false;
    }
    SqlQuery head(HeadSql);
    BindSearchValues(head);
    head.exec();
    if (head.next()) {
        edtDealName->setText(head.value(u"DEAL_NAME"_s));
        cboKeepKind->setCode(head.value(u"KEEP_KIND_GUBUN"_s));
        edtKeepBoxNo->setText(head.value(u"KEEP_BOX_NO"_s));
        m_headRowVer = head.value(u"ROW_VER"_s);
        m_headStatus = EditStatus::Changed;
    } else {
        m_headRowVer.clear();
        m_headStatus = EditStatus::Inserted;
    }
    head.close();
    return true;
}

void TfrmEBI040::Searched()
{
    edtRentNo->setEnabled(false);
    edtDealName->setFocus();
}

bool TfrmEBI040::SelectRentState(const QString &code)
{
    return m_states->press(code) && Grid()->currentRow() >= 0;
}

QStringList TfrmEBI040::ContractSql() const
{
    return TfrmEZI000::ContractSql() << HeadSql << FreeItemsSql;
}

QString TfrmEBI040::SelectedRentState() const
{
    return m_states->selected();
}

void TfrmEBI040::RowShown()
{
    const int row = Grid()->currentRow();
    const bool newRow = row >= 0 && !IsStoredRow(row);
    if (newRow && m_states->selected().isEmpty())
        m_states->select(u"D"_s); // a new row is a day rental until told otherwise
    if (cboEquipSizeGubun->count() > 0 && cboEquipSizeGubun->currentIndex() != 0)
        cboEquipSizeGubun->setCurrentIndex(0);
    else
        refreshFreeItems();
    sbtEquipCancel->setEnabled(newRow);
    bbtDelete->setEnabled(newRow);
    sbtEquipOk->setEnabled(edtRentEquipNo->text().isEmpty());
}

void TfrmEBI040::equipKindChanged()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus == bbtCancel || focus == bbtClose)
        return;
    const QString kind = cboRentEquip->code();
    // An item picked under another kind would be saved as a different item:
    // it goes back, and the row waits for an item of the new kind.
    const QString no = edtRentEquipNo->text().trimmed();
    const int row = Grid()->currentRow();
    if (!IsLoading() && !no.isEmpty() && row >= 0 && !IsStoredRow(row)
        && std::any_of(m_holds.begin(), m_holds.end(),
                       [&](const Hold &h) { return h.no == no && h.kind != kind; })
        && releaseHolds(no))
        edtRentEquipNo->clear();
    CodeFilters filter;
    if (kind == u"CS"_s)
        filter.item1 = u"Y"_s;
    else if (kind == u"SB"_s)
        filter.item2 = u"Y"_s;
    else if (kind == u"NS"_s)
        filter.item3 = u"Y"_s;
    {
        // Kinds other than skis and snowboards have no sizes: their list is
        // empty, not the sizes of the kind chosen before.
        const QSignalBlocker quiet(cboEquipSizeGubun);
        cboEquipSizeGubun->clearCodes();
        if (!filter.item1.isEmpty() || !filter.item2.isEmpty() || !filter.item3.isEmpty())
            FillCodeList(*cboEquipSizeGubun, u"E0010"_s, filter);
        cboEquipSizeGubun->setCurrentIndex(cboEquipSizeGubun->count() > 0 ? 0 : -1);
    }
    closeFreeItems();
    refreshFreeItems();
}

void TfrmEBI040::closeFreeItems()
{
    m_free->close();
    m_free->setFooter(0, u"0"_s);
}

void TfrmEBI040::refreshFreeItems()
{
    // A kind without sizes (boots, poles, helmets) lists all its free items.
    if (cboArea->code().isEmpty() || cboRentEquip->code().isEmpty()
        || (cboEquipSizeGubun->count() > 0 && cboEquipSizeGubun->code().isEmpty()))
        return;
    m_free->close();
    auto query = std::make_unique<SqlQuery>(FreeItemsSql);
    query->setBuffered(true);
    query->bind(u"AREA_GUBUN"_s, cboArea->code());
    query->bind(u"EQUIP_GUBUN"_s, cboRentEquip->code());
    query->bind(u"EQUIP_SIZE_GUBUN"_s, cboEquipSizeGubun->code());
    query->bind(u"EQUIP_NO"_s, {});
    query->bind(u"RENT_DATE"_s, WorkDate());
    query->exec();
    m_free->setQuery(std::move(query));
    m_free->fetchAll();
    m_free->open();
    m_free->setFooter(0, QString::number(m_free->rowCount()));
    if (m_free->rowCount() > 0 && rgrEquipNo->currentRow() < 0)
        rgrEquipNo->setCurrentRow(0);
}

bool TfrmEBI040::callHold(EditStatus status, const QString &kind, const QString &no)
{
    return TrySave([&] {
        m_holdProc.clearValues();
        m_holdProc.setValue(u"ARENT_DATE"_s, WorkDate());
        m_holdProc.setValue(u"AAREA_GUBUN"_s, cboArea->code());
        m_holdProc.setValue(u"AEQUIP_GUBUN"_s, kind);
        m_holdProc.setValue(u"AEQUIP_NO"_s, no);
        SetEditStatus(m_holdProc, status);
        m_holdProc.exec();
    });
}

bool TfrmEBI040::sbtEquipOkClick()
{
    if (m_free->rowCount() == 0) {
        InfoBox(u"조건[지역, 장비, 장비사이즈]에 맞는 잔여장비가 없습니다"_s);
        return false;
    }
    const int at = std::max(rgrEquipNo->currentRow(), 0);
    const QString no = m_free->value(at, u"EQUIP_NO"_s);
    const QString kind = cboRentEquip->code();
    if (EquipmentTaken(WorkDate(), cboArea->code(), kind, no)) {
        InfoBox(u"선택하신 장비는 이미 대여되었거나 작업중입니다"_s);
        return false;
    }
    if (!callHold(EditStatus::Inserted, kind, no))
        return false;
    m_holds.append({kind, no});
    edtRentEquipNo->setText(no);
    refreshFreeItems();
    return true;
}

bool TfrmEBI040::sbtEquipCancelClick()
{
    const QString no = edtRentEquipNo->text().trimmed();
    if (no.isEmpty()) {
        InfoBox(u"선택된 장비가 없습니다"_s);
        return false;
    }
    if (!releaseHolds(no))
        return false;
    edtRentEquipNo->clear();
    refreshFreeItems();
    return true;
}

bool TfrmEBI040::releaseHolds(const QString &onlyNo)
{
    // An item is released with the kind it was held under, even when the
    // kind list has moved on since.
    bool found = false;
    for (qsizetype i = m_holds.size() - 1; i >= 0; --i) {
        const Hold hold = m_holds.at(i);
        if (!onlyNo.isEmpty() && hold.no != onlyNo)
            continue;
        if (!callHold(EditStatus::Deleted, hold.kind, hold.no))
            return false;
        m_holds.removeAt(i);
        found = true;
    }
    if (!onlyNo.isEmpty() && !found)
        return callHold(EditStatus::Deleted, cboRentEquip->code(), onlyNo);
    return true;
}

bool TfrmEBI040::bbtDeleteClick()
{
    const int row = Grid()->currentRow();
    const bool newRow = row >= 0 && !IsStoredRow(row);
    const QString no = newRow ? Rows().value(row, u"EQUIP_NO"_s) : QString();
    if (!TfrmEZI000::bbtDeleteClick())
        return false;
    // The item of a row that will never be saved goes back to the list.
    const bool held = std::any_of(m_holds.begin(), m_holds.end(), [&](const Hold &h) { return h.no == no; });
    if (held)
        releaseHolds(no);
    // The last row gone, the form waits on an empty new row, not on what
    // the deleted row held.
    if (Rows().rowCount() == 0 && AppendEmptyRow()) {
        FocusFirstIn(panBody);
        return true;
    }
    refreshFreeItems();
    return true;
}

bool TfrmEBI040::BeforeDiscard()
{
    // Holds a server out of reach keeps expire there: closing never waits for it.
    if (IsSearchMode() || !ServerReachable())
        return true;
    if (!releaseHolds())
        return false;
    return callHold(EditStatus::Deleted, cboRentEquip->code(), edtRentEquipNo->text().trimmed());
}

void TfrmEBI040::Cancelled()
{
    cboKeepKind->setCurrentIndex(cboKeepKind->count() > 0 ? 0 : -1);
    edtKeepBoxNo->clear();
    closeFreeItems();
    edtRentNo->setEnabled(true);
    m_headStatus = EditStatus::Inserted;
}

QList<RowCheck> TfrmEBI040::RowChecks()
{
    const auto empty = [](const QLineEdit *edit) { return trimmed(edit).isEmpty(); };
    const auto badDate = [](const QLineEdit *edit) {
        const QString text = trimmed(edit);
        return !text.isEmpty() && !IsValidYmd(text);
    };
    const QString state = m_states->selected();
    const auto from = wmeRentSvrlDateFrom, to = wmeRentSvrlDateTo;
    // The server's ranges, told here before the save.
    const auto over = [](const NumberEdit *edit, qint64 most) { return edit->value() < 0 || edit->value() > most; };
    return {
        {[=, this] { return over(wneRentHeight, 250); }, wneRentHeight, u"신장"_s + EnterCorrectly},
        {[=, this] { return over(wneRentWeight, 250); }, wneRentWeight, u"체중"_s + EnterCorrectly},
        {[=, this] { return over(wneRentBinding, 30); }, wneRentBinding, u"바인딩강도"_s + EnterCorrectly},
        {[=] { return badDate(from); }, from, u"연일대여기간"_s + EnterCorrectly},
        {[=] { return badDate(to); }, to, u"연일대여기간"_s + EnterCorrectly},
        {[=] { return !empty(from) && empty(to); }, to, u"연일대여기간"_s + EnterCorrectly},
        {[=] { return !empty(from) && trimmed(to) < trimmed(from); }, to, u"연일대여기간"_s + EnterCorrectly},
        {[=] { return state.isEmpty(); }, nullptr, u"대여상태를 선택하십시요"_s},
        {[=] { return !empty(from) && !empty(to) && state == u"D"_s; }, nullptr,
         u"연일대여기간 등록시 대여상태는 [연일대여]만 설정가능합니다"_s},
        {[=] { return state == u"S"_s && (empty(from) || empty(to)); }, from,
         u"대여상태가 [연일대여]일 경우 연일대여기간을 입력하십시요"_s},
    };
}

void TfrmEBI040::SaveHead(SavedRows & /*saved*/)
{
    m_headProc.clearValues();
    PassSearchValues(m_headProc);
    m_headProc.setValue(u"ADEAL_NAME"_s, edtDealName->text());
    m_headProc.setValue(u"AKEEP_KIND_GUBUN"_s, cboKeepKind->code());
    m_headProc.setValue(u"AKEEP_BOX_NO"_s, edtKeepBoxNo->text());
    m_headProc.setValue(u"AROW_VER"_s, m_headStatus == EditStatus::Changed ? m_headRowVer : QString());
    SetEditStatus(m_headProc, m_headStatus);
    // A new head waits under a provisional number; its commit gives the real
    // one, so that the number series is held for the commit only.
    m_headProc.setValue(u"ALATE_NUMBER"_s, m_headStatus == EditStatus::Inserted ? u"Y"_s : QString());
    m_headProc.exec();
    QString rentNo = edtRentNo->text().trimmed();
    if (m_headStatus == EditStatus::Inserted)
        rentNo = m_headProc.output(u"ANEW_RENT_NO"_s);
    prcSaveData.setValue(u"ARENT_NO"_s, rentNo);
    m_provisionalNo = rentNo;
}

void TfrmEBI040::Committed(SavedRows &saved)
{
    if (m_headStatus != EditStatus::Inserted)
        return;
    try {
        m_numberProc.clearValues();
        PassSearchValues(m_numberProc);
        m_numberProc.setValue(u"ARENT_NO"_s, m_provisionalNo);
        m_numberProc.exec();
        // The number reaches the screen only once the save has committed.
        saved.issued.insert(u"RENT_NO"_s, m_numberProc.output(u"ANEW_RENT_NO"_s));
    } catch (const ServerError &error) {
        // The rental is stored; its number is found again by searching the day's rentals.
        ErrorBox(u"자료를 저장했으나 대여번호를 읽지 못했습니다.\r조회하여 대여번호를 확인하십시오.\r\r에러내용:\r"_s
                 + error.message());
    }
}

void TfrmEBI040::Saved(const SavedRows &saved)
{
    // The head this save wrote: a new one starts at 1, a changed one went up.
    m_headRowVer = m_headStatus == EditStatus::Inserted ? u"1"_s : QString::number(m_headRowVer.toInt() + 1);
    m_headStatus = EditStatus::Changed;
    // Every new row was saved and took its hold over.
    m_holds.clear();
    refreshFreeItems();
    // The rows are committed and read back as stored: a printer failure
    // leaves nothing that a later save could send again.
    QList<TRentTicketInfo> tickets;
    for (const SavedRows::Row &row : saved.added)
        tickets.append(ticketOf([&row](const QString &field) { return row.value(field); }));
    printTickets(tickets);
}

TRentTicketInfo TfrmEBI040::ticketOf(const std::function<QString(const QString &)> &cell) const
{
    TRentTicketInfo info;
    info.ticketKindName = cboRentTicketKind->codes().labelOf(cell(u"TICKET_KIND"_s));
    info.equipKindName = cboRentEquip->codes().labelOf(cell(u"EQUIP_GUBUN"_s));
    info.rentStatName = Rows().pickList(Rows().columnOf(u"RENT_STAT"_s)).labelOf(cell(u"RENT_STAT"_s));
    info.areaName = cboArea->currentText();
    info.rentDate = WorkDate();
    info.rentName = cell(u"RENT_NAME"_s);
    info.height = cell(u"HEIGHT"_s);
    info.weight = cell(u"WEIGHT"_s);
    info.bootsSizeName = cboRentBootsSize->codes().labelOf(cell(u"SHOES_SIZE"_s));
    if (!cell(u"SVRL_RENT_FROM_DATE"_s).trimmed().isEmpty()) {
        info.periodFrom = cell(u"SVRL_RENT_FROM_DATE"_s);
        info.periodTo = cell(u"SVRL_RENT_TO_DATE"_s);
    }
    info.rentNo = edtRentNo->text().trimmed();
    info.boxNo = edtKeepBoxNo->text();
    return info;
}

void TfrmEBI040::printTickets(const QList<TRentTicketInfo> &tickets)
{
    try {
        for (const TRentTicketInfo &ticket : tickets)
            m_printer->PrintRentTicket(ticket);
    } catch (const ServerError &error) {
        ErrorBox(u"대여증을 출력하지 못했습니다. 대여 자료는 저장되었습니다.\r대여증 재발급으로 다시 출력하십시오.\r\r에러내용:\r"_s
                 + error.message());
    }
}

bool TfrmEBI040::bbtReissueClick()
{
    const int row = Grid()->currentRow();
    if (!CommonStart(bbtReissue) || row < 0 || !IsStoredRow(row))
        return false;
    printTickets({ticketOf([&](const QString &field) { return Rows().value(row, field); })});
    return true;
}

void TfrmEBI040::pickRental()
{
    QString rentNo;
    if (PickRental(WorkDate(), cboArea->code(), edtRentNo->text().trimmed(), rentNo, this)) {
        edtRentNo->setText(rentNo);
        bbtSearchClick();
    } else {
        edtRentNo->setFocus();
    }
}

