#include "EBI050.h"

#include "CodeCombo.h"
#include "CodeServices.h"
#include "EquipmentRules.h"
#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "InputEdits.h"
#include "Lookups.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "ServerError.h"
#include "StateButtons.h"
#include "TicketPrinter.h"
#include "TicketStream.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString Stored = u"K"_s;
const QString Released = u"R"_s;

const QString Query = u"SELECT TO_CHAR(keep_no, 'FM0000000000') AS keep_no,\n"
                      "       keep_stat, ipgo_date, chulgo_date, guest_no, guest_name, keep_gubun,\n"
                      "       equip_gubun, equip_name_gubun, equip_name_etc, native_no, poels_yn,\n"
                      "       poels_name, member_no, keep_name, zip_code,\n"
                      "       fn_za010ms_04(addr1) AS addr1, fn_za010ms_04(addr2) AS addr2,\n"
                      "       fn_za010ms_04(tel_no) AS tel_no, fn_za010ms_04(mobile_no) AS mobile_no,\n"
                      "       keep_box_no, remark, conf_question, conf_answer, row_ver\n"
                      "FROM   eb050ms\n"
                      "WHERE  season_gubun = :SEASON_GUBUN\n"
                      "AND    area_gubun   = :AREA_GUBUN\n"
                      // Server numbers grow: stored rows first, the newest last.
                      "ORDER  BY keep_no"_s;

const QList<ColumnDef> Columns = {
    {.title = u"보관번호"_s, .field = u"KEEP_NO"_s, .width = 80, .dataWidth = 10, .alignment = Qt::AlignCenter,
     .readOnly = true, .key = true},
    {.title = u"보관상태"_s, .field = u"KEEP_STAT"_s, .width = 60, .dataWidth = 1, .alignment = Qt::AlignCenter,
     .readOnly = true, .codeGroup = u"E0015"_s},
    {.title = u"입고일자"_s, .field = u"IPGO_DATE"_s, .width = 80, .dataWidth = 8, .alignment = Qt::AlignCenter,
     .readOnly = true, .displayMask = u"9999-99-99"_s},
    {.title = u"출고일자"_s, .field = u"CHULGO_DATE"_s, .width = 80, .dataWidth = 8, .alignment = Qt::AlignCenter,
     .readOnly = true, .displayMask = u"9999-99-99"_s},
    {.title = u"우대번호"_s, .field = u"GUEST_NO"_s, .dataWidth = 10, .visible = false},
    {.title = u"우대명"_s, .field = u"GUEST_NAME"_s, .dataWidth = 30, .visible = false},
    {.title = u"보관구분"_s, .field = u"KEEP_GUBUN"_s, .dataWidth = 2, .visible = false},
    {.title = u"장비구분"_s, .field = u"EQUIP_GUBUN"_s, .dataWidth = 2, .visible = false},
    {.title = u"장비명구분"_s, .field = u"EQUIP_NAME_GUBUN"_s, .dataWidth = 2, .visible = false},
    {.title = u"장비명기타"_s, .field = u"EQUIP_NAME_ETC"_s, .dataWidth = 40, .visible = false},
    {.title = u"고유번호"_s, .field = u"NATIVE_NO"_s, .dataWidth = 40, .visible = false},
    {.title = u"폴유무"_s, .field = u"POELS_YN"_s, .dataWidth = 1, .visible = false},
    {.title = u"폴명"_s, .field = u"POELS_NAME"_s, .dataWidth = 40, .visible = false},
    {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .dataWidth = 10, .visible = false},
    {.title = u"보관자명"_s, .field = u"KEEP_NAME"_s, .dataWidth = 30, .visible = false},
    {.title = u"우편번호"_s, .field = u"ZIP_CODE"_s, .dataWidth = 6, .visible = false},
    {.title = u"주소1"_s, .field = u"ADDR1"_s, .dataWidth = 60, .visible = false},
    {.title = u"주소2"_s, .field = u"ADDR2"_s, .dataWidth = 60, .visible = false},
    {.title = u"연락처(자택)"_s, .field = u"TEL_NO"_s, .dataWidth = 20, .visible = false},
    {.title = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .dataWidth = 20, .visible = false},
    {.title = u"보관함번호"_s, .field = u"KEEP_BOX_NO"_s, .dataWidth = 10, .visible = false},
    {.title = u"비고"_s, .field = u"REMARK"_s, .dataWidth = 60, .visible = false},
    {.title = u"질문"_s, .field = u"CONF_QUESTION"_s, .dataWidth = 80, .visible = false},
    {.title = u"답변"_s, .field = u"CONF_ANSWER"_s, .dataWidth = 80, .visible = false},
    {.title = u"버전"_s, .field = u"ROW_VER"_s, .visible = false, .readOnly = true},
};

const QString DateMask = u"9999-99-99;0; "_s;

} // namespace

TfrmEBI050::TfrmEBI050(QWidget *parent) : TfrmEZI000(u"frmEBI050"_s, u"장비 보관/불출 작업"_s, parent)
{
    AddSearchFields({
        {.name = u"edtSeason"_s, .caption = u"*시즌"_s, .kind = FieldKind::CodeName, .field = u"SEASON_GUBUN"_s,
         .bytes = 2, .codeGroup = u"E0004"_s, .required = true, .width = 40,
         .pick = CodeLookup(u"스키 시즌구분"_s), .nameWidth = 120},
        {.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, .field = u"AREA_GUBUN"_s,
         .codeGroup = u"E0017"_s, .to = &cboArea},
    });

    SetColumns(Columns);

    m_states = AddStateButtons(u"보관상태"_s, u"KEEP_STAT"_s,
                               {{u"sbtKeep"_s, u"보관[F5]"_s, Stored, Qt::Key_F5},
                                {u"sbtKeepReturn"_s, u"불출[F6]"_s, Released, Qt::Key_F6}});

    AddFields({
        {.name = u"wlbKeepNo"_s, .caption = u"보관번호"_s, .kind = FieldKind::Label, .field = u"KEEP_NO"_s},
        {.name = u"edtKeepWoodaeNo"_s, .caption = u"우대번호"_s, .field = u"GUEST_NO"_s, .bytes = 10,
         .to = &edtKeepWoodaeNo},
        {.name = u"wlbKeepWoodaeNo"_s, .caption = u"우대명"_s, .kind = FieldKind::Label, .field = u"GUEST_NAME"_s,
         .sameLine = true, .width = 150, .to = &wlbKeepWoodaeNo},
        {.name = u"cboKeep"_s, .caption = u"*보관구분"_s, .kind = FieldKind::Code, .field = u"KEEP_GUBUN"_s,
         .codeGroup = u"E0016"_s, .required = true, .to = &cboKeep},
        {.name = u"cboKeepEquip"_s, .caption = u"*장비구분"_s, .kind = FieldKind::Code, .field = u"EQUIP_GUBUN"_s,
         .codeGroup = u"E0009"_s, .required = true},
        {.name = u"cboKeepEquipName"_s, .caption = u"*장비명"_s, .kind = FieldKind::Code,
         .field = u"EQUIP_NAME_GUBUN"_s, .codeGroup = u"E0021"_s, .required = true, .sameLine = true,
         .to = &cboKeepEquipName},
        {.name = u"edtKeepEquipNameEtc"_s, .caption = u"장비명기타"_s, .field = u"EQUIP_NAME_ETC"_s, .bytes = 40},
        {.name = u"edtKeepEquipID"_s, .caption = u"*고유번호"_s, .field = u"NATIVE_NO"_s, .bytes = 40,
         .required = true},
        {.name = u"cboKeepPoles"_s, .caption = u"폴유무"_s, .kind = FieldKind::Code, .field = u"POELS_YN"_s,
         .choices = {{u"유"_s, u"무"_s}, {u"Y"_s, u"N"_s}}},
        {.name = u"edtKeepPolesName"_s, .caption = u"폴명"_s, .field = u"POELS_NAME"_s, .bytes = 40,
         .sameLine = true},
        {.name = u"wmeKeepInDate"_s, .caption = u"*입고일"_s, .kind = FieldKind::Mask, .field = u"IPGO_DATE"_s,
         .mask = DateMask, .required = true, .to = &wmeKeepInDate},
        {.name = u"wmeKeepOutDate"_s, .caption = u"출고일"_s, .kind = FieldKind::Mask, .field = u"CHULGO_DATE"_s,
         .mask = DateMask, .sameLine = true, .to = &wmeKeepOutDate},
        {.name = u"edtKeepMemberNo"_s, .caption = u"회원번호"_s, .field = u"MEMBER_NO"_s, .bytes = 10,
         .lookup = [this] { lookupMember(); }, .to = &edtKeepMemberNo},
        {.name = u"edtKeepName"_s, .caption = u"*보관자명"_s, .field = u"KEEP_NAME"_s, .bytes = 30, .required = true,
         .to = &edtKeepName},
        {.name = u"wmeKeepZipCode"_s, .caption = u"우편번호"_s, .kind = FieldKind::PostalCode, .field = u"ZIP_CODE"_s,
         .to = &wmeKeepZipCode, .pick = PostalLookup()},
        {.name = u"edtKeepAddr1"_s, .caption = u"주소"_s, .field = u"ADDR1"_s, .bytes = 60, .readOnly = true},
        // The detail of the address is typed; only its first part comes from the postal code.
        {.name = u"wlbKeepAddr2"_s, .field = u"ADDR2"_s, .bytes = 60},
        {.name = u"edtKeepTel"_s, .caption = u"*연락처(자택)"_s, .field = u"TEL_NO"_s, .bytes = 20, .required = true},
        {.name = u"edtKeepMobile"_s, .caption = u"연락처(핸드폰)"_s, .field = u"MOBILE_NO"_s, .bytes = 20},
        {.name = u"edtKeepBoxNo"_s, .caption = u"*보관함번호"_s, .field = u"KEEP_BOX_NO"_s, .bytes = 10,
         .required = true},
        {.name = u"edtKeepRemark"_s, .caption = u"비고"_s, .field = u"REMARK"_s, .bytes = 60},
    });

    auto *loss = new QGroupBox(u"보관증 분실시 확인 질문/답변"_s, panBody);
    loss->setObjectName(u"grpKeepLoss"_s);
    auto *lossLayout = new QFormLayout(loss);
    for (const auto &[name, caption, field] : {std::tuple{u"edtKeepLossQuestion"_s, u"질문"_s, u"CONF_QUESTION"_s},
                                               std::tuple{u"edtKeepLossAnswer"_s, u"답변"_s, u"CONF_ANSWER"_s}}) {
        auto *edit = new TextEdit(loss);
        edit->setObjectName(name);
        edit->setMaxBytes(80);
        lossLayout->addRow(caption, edit);
        Bind(edit, field);
    }
    m_bodyLayout->addRow(loss);


    // Typing a new member number drops what the old one filled in.
    connect(edtKeepMemberNo, &QLineEdit::textEdited, edtKeepName, &QLineEdit::clear);
    connect(edtKeepWoodaeNo, &QLineEdit::textEdited, this, [this] {
        wlbKeepWoodaeNo->clear();
        ControlToGrid(wlbKeepWoodaeNo);
    });

    qryQuery.setSql(Query);
    prcSaveData.setName(u"pr_ebi050_01"_s);
    SetOptions({.checkCurrentRow = true, .keepEmptyRow = true});

    bbtPrintInit = AddButton(u"bbtPrintInit"_s, u"프린터초기화"_s, bbtAdd);
    bbtReissue = AddButton(u"bbtReissue"_s, u"보관증 재발급"_s, bbtPrintInit);
    for (QPushButton *button : {bbtReissue, bbtPrintInit}) {
        button->setFocusPolicy(Qt::ClickFocus);
        button->setFixedSize(100, 27);
    }
    OnClick(bbtReissue, [this] { bbtReissueClick(); });
    OnClick(bbtPrintInit, [this] {
        // Says what the printer's lines told, a failure in a box.
        const TicketPrinter::Answer answer = m_printer->InitPrinter();
        if (answer == TicketPrinter::Answer::Silent || answer == TicketPrinter::Answer::NoPort)
            ErrorBox(m_printer->AnswerText(answer));
        else
            ShowStatus(m_printer->AnswerText(answer).replace(u'\r', u' '));
    });

    m_printer = new TicketPrinter(this);
    m_printer->OpenPrinter();
}

TfrmEBI050::~TfrmEBI050() = default;

void TfrmEBI050::lookupMember()
{
    if (!edtKeepMemberNo->isEnabled() || IsSearchMode())
        return;
    QString number;
    QString name;
    if (!PickMember(edtKeepName->text().trimmed(), number, name, this)) {
        edtKeepMemberNo->setFocus();
        return;
    }
    edtKeepMemberNo->setText(number);
    edtKeepName->setText(name);
    wmeKeepZipCode->setFocus();
}

void TfrmEBI050::edtExit(QWidget *left)
{
    TfrmEZI000::edtExit(left);
    if (IsLoading())
        return;
    if (left == wmeKeepInDate) {
        // The due date is recomputed only while the item is not released (a
        // released row's date is the actual release) and only from a real
        // date; ReleaseDate answers empty for anything else.
        const QString deposit = wmeKeepInDate->plainText().trimmed();
        if (deposit.isEmpty() || m_states->selected() == Released || !IsValidYmd(deposit))
            return;
        wmeKeepOutDate->setText(ReleaseDate(deposit, cboKeep->code()));
    } else if (left == edtKeepMemberNo) {
        const QString memberNo = edtKeepMemberNo->text().trimmed();
        if (!memberNo.isEmpty())
            edtKeepName->setText(MemberName(memberNo));
    }
}

bool TfrmEBI050::SelectState(const QString &code)
{
    return m_states->press(code);
}

QString TfrmEBI050::SelectedState() const
{
    return m_states->selected();
}

QList<RowCheck> TfrmEBI050::RowChecks()
{
    const auto validDate = [](const MaskEdit *edit) {
        const QString text = edit->plainText().trimmed();
        return IsValidYmd(text) && text.size() == 8;
    };
    const QString state = m_states->selected();
    const auto guestNo = edtKeepWoodaeNo;
    const auto in = wmeKeepInDate, out = wmeKeepOutDate;
    const auto guestName = wlbKeepWoodaeNo;
    return {
        {[=] { return !guestNo->text().trimmed().isEmpty() && guestName->text().trimmed().isEmpty(); }, guestNo,
         u"우대번호"_s + EnterCorrectly},
        {[=] { return !validDate(in); }, in, u"*입고일"_s + EnterCorrectly},
        {[=] { return state.isEmpty(); }, nullptr, u"보관상태를 선택하십시요"_s},
        {[=] { return state == Released && out->plainText().trimmed().isEmpty(); }, out,
         u"보관상태가 [불출]일 경우 출고일을 입력하십시요"_s},
        {[=] { return !out->plainText().trimmed().isEmpty() && !validDate(out); }, out, u"출고일"_s + EnterCorrectly},
        {[=] { return !out->plainText().trimmed().isEmpty() && out->plainText() < in->plainText(); }, out,
         u"출고일"_s + EnterCorrectly},
    };
}

bool TfrmEBI050::BeforeSearch()
{
    return CheckSearchFields();
}

void TfrmEBI050::Saved(const SavedRows &saved)
{
    QStringList numbers;
    for (const SavedRows::Row &row : saved.added)
        numbers.append(row.output(u"ANEW_KEEP_NO"_s));
    printNewTickets(numbers);
}

TKeepTicketInfo TfrmEBI050::ticketOf(int row) const
{
    const GridModel &rows = Rows();
    auto label = [this, row](const CodeCombo *combo, const QString &field) {
        return combo->codes().labelOf(Rows().value(row, field));
    };
    return {.season = SearchedValue(u"SEASON_GUBUN"_s),
            .keepNo = rows.value(row, u"KEEP_NO"_s),
            .keepName = rows.value(row, u"KEEP_NAME"_s),
            .equipName = label(cboKeepEquipName, u"EQUIP_NAME_GUBUN"_s),
            .nativeNo = rows.value(row, u"NATIVE_NO"_s),
            .keepKindName = label(cboKeep, u"KEEP_GUBUN"_s),
            .inDate = rows.value(row, u"IPGO_DATE"_s),
            .boxNo = rows.value(row, u"KEEP_BOX_NO"_s)};
}

void TfrmEBI050::printNewTickets(const QStringList &numbers)
{
    // The records are saved whatever happens here; a ticket that failed is
    // reprinted with "보관증 재발급", never by saving again.
    const QString advice = u"보관증을 출력하지 못했습니다.\r보관증 재발급으로 다시 출력하십시오.\r\r"_s;
    QStringList unseen;
    try {
        for (const QString &number : numbers) {
            int found = -1;
            for (int row = 0; row < Rows().rowCount() && found < 0; ++row)
                if (IsStoredRow(row) && Rows().value(row, u"KEEP_NO"_s) == number)
                    found = row;
            if (found < 0)
                unseen.append(SearchedValue(u"SEASON_GUBUN"_s) + u"-"_s + number); // the reload failed or missed it
            else
                m_printer->PrintKeepTicket(ticketOf(found));
        }
    } catch (const ServerError &error) {
        ErrorBox(advice + u"에러내용:\r"_s + error.message());
        return;
    }
    if (!unseen.isEmpty())
        ErrorBox(advice + u"보관번호: "_s + unseen.join(u", "_s));
}

bool TfrmEBI050::bbtReissueClick()
{
    if (!CommonStart(bbtReissue))
        return false;
    const int row = Grid()->currentRow();
    if (row < 0 || !IsStoredRow(row))
        return false;
    m_printer->PrintKeepTicket(ticketOf(row));
    return true;
}

