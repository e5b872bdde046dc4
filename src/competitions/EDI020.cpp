#include "EDI020.h"

#include "Badge.h"
#include "CodeServices.h"
#include "InputEdits.h"
#include "Lookups.h"

#include <QFormLayout>
#include <QGroupBox>

using namespace Qt::StringLiterals;

namespace {

// Data widths are twice the edits' characters: a name typed in Hangul is kept whole.
const QList<ColumnDef> Columns = {
    {.title = u"접수번호"_s, .field = u"RECV_NO"_s, .width = 74, .dataWidth = 6, .alignment = Qt::AlignCenter,
     .readOnly = true},
    {.title = u"신청일"_s, .field = u"APPLY_DATE"_s, .width = 82, .dataWidth = 16, .alignment = Qt::AlignCenter,
     .displayMask = u"9999-99-99"_s},
    {.title = u"참가자명"_s, .field = u"ENTRY_NAME_KOR"_s, .width = 132, .dataWidth = 60},
    {.title = u"주민등록번호"_s, .field = u"ID_NO"_s, .width = 118, .dataWidth = 13, .alignment = Qt::AlignCenter,
     .displayMask = u"999999-9999999"_s},
    {.title = u"참가자명(한문)"_s, .field = u"ENTRY_NAME_CHI"_s, .dataWidth = 60, .visible = false},
    {.title = u"참가자명(영문)"_s, .field = u"ENTRY_NAME_ENG"_s, .dataWidth = 60, .visible = false},
    {.title = u"스키경력"_s, .field = u"SKI_SKILL"_s, .dataWidth = 80, .visible = false},
    {.title = u"전화번호(자택)"_s, .field = u"HOME_TEL_NO"_s, .dataWidth = 40, .visible = false},
    {.title = u"FAX번호(자택)"_s, .field = u"HOME_FAX_NO"_s, .dataWidth = 40, .visible = false},
    {.title = u"우편번호(자택)"_s, .field = u"HOME_ZIP_CODE"_s, .dataWidth = 6, .visible = false},
    {.title = u"주소1(자택)"_s, .field = u"HOME_ADDR1"_s, .dataWidth = 120, .visible = false},
    {.title = u"주소2(자택)"_s, .field = u"HOME_ADDR2"_s, .dataWidth = 120, .visible = false},
    {.title = u"전화번호(직장)"_s, .field = u"OFFICE_TEL_NO"_s, .dataWidth = 40, .visible = false},
    {.title = u"FAX번호(직장)"_s, .field = u"OFFICE_FAX_NO"_s, .dataWidth = 40, .visible = false},
    {.title = u"우편번호(직장)"_s, .field = u"OFFICE_ZIP_CODE"_s, .dataWidth = 6, .visible = false},
    {.title = u"주소1(직장)"_s, .field = u"OFFICE_ADDR1"_s, .dataWidth = 120, .visible = false},
    {.title = u"주소2(직장)"_s, .field = u"OFFICE_ADDR2"_s, .dataWidth = 120, .visible = false},
    {.title = u"핸드폰번호"_s, .field = u"MOBILE_NO"_s, .dataWidth = 40, .visible = false},
    {.title = u"이메일"_s, .field = u"EMAIL"_s, .dataWidth = 80, .visible = false},
    {.title = u"신청급수"_s, .field = u"APPLY_CLASS"_s, .dataWidth = 2, .visible = false, .codeGroup = u"E0026"_s},
    {.title = u"참가비"_s, .field = u"APPLY_AMT"_s, .dataWidth = 10, .alignment = Qt::AlignRight, .visible = false},
    {.title = u"버전"_s, .field = u"ROW_VER"_s, .visible = false, .readOnly = true},
};

const QString Query = uR"sql(SELECT TO_CHAR(recv_no, 'FM000000') AS recv_no, apply_date, entry_name_kor,
       fn_za010ms_04(id_no) AS id_no, entry_name_chi, entry_name_eng, ski_skill,
       fn_za010ms_04(home_tel_no) AS home_tel_no, fn_za010ms_04(home_fax_no) AS home_fax_no, home_zip_code,
       fn_za010ms_04(home_addr1) AS home_addr1, fn_za010ms_04(home_addr2) AS home_addr2,
       fn_za010ms_04(office_tel_no) AS office_tel_no, fn_za010ms_04(office_fax_no) AS office_fax_no,
       office_zip_code, fn_za010ms_04(office_addr1) AS office_addr1, fn_za010ms_04(office_addr2) AS office_addr2,
       fn_za010ms_04(mobile_no) AS mobile_no, email, apply_class, apply_amt, row_ver
FROM   ed020ms
WHERE  season_gubun = :SEASON_GUBUN
ORDER  BY recv_no)sql"_s;

// The phones and postal address of home or office, under the group's
// caption; `place` is "Home" or "Office" in control names, "HOME_" or
// "OFFICE_" in fields.
QList<FieldDef> AddressFields(const QString &place, const QString &prefix, const QString &addr2Name)
{
    return {
        {.name = u"edt%1TelNo"_s.arg(place), .caption = u"전화번호"_s, .field = prefix + u"TEL_NO"_s, .bytes = 40},
        {.name = u"edt%1FaxNo"_s.arg(place), .caption = u"FAX번호"_s, .field = prefix + u"FAX_NO"_s, .bytes = 40,
         .sameLine = true},
        {.name = u"wme%1ZipCode"_s.arg(place), .caption = u"주소"_s, .kind = FieldKind::PostalCode,
         .field = prefix + u"ZIP_CODE"_s, .pick = PostalLookup()},
        {.name = u"edt%1Addr1"_s.arg(place), .field = prefix + u"ADDR1"_s, .bytes = 120, .sameLine = true,
         .readOnly = true},
        {.name = addr2Name, .field = prefix + u"ADDR2"_s, .bytes = 120},
    };
}

} // namespace

TfrmEDI020::TfrmEDI020(QWidget *parent) : TfrmEZI000(u"frmEDI020"_s, u"뱃지테스트 참가자 등록"_s, parent)
{
    AddSearchFields({badge::SeasonField([this] { bbtSearchClick(); })});
    SetColumns(Columns);

    AddFields({
        {.name = u"wlbRecvNo"_s, .caption = u"접수번호"_s, .kind = FieldKind::Label, .field = u"RECV_NO"_s,
         .width = 80},
        {.name = u"wmeApplyDate"_s, .caption = u"*신청일"_s, .kind = FieldKind::Mask, .field = u"APPLY_DATE"_s,
         .mask = u"9999-99-99;0; "_s, .to = &wmeApplyDate},
    });
    const auto group = [this](const QString &name, const QString &caption, const QList<FieldDef> &fields) {
        auto *box = new QGroupBox(caption, panBody);
        box->setObjectName(name);
        AddFields(fields, box);
        m_bodyLayout->addRow(box);
    };
    group(u"grpEntryName"_s, u"참가자명"_s,
          {{.name = u"edtEntryNameKor"_s, .caption = u"*한글"_s, .field = u"ENTRY_NAME_KOR"_s, .bytes = 60,
            .to = &edtEntryNameKor},
           {.name = u"edtEntryNameChi"_s, .caption = u"한문"_s, .field = u"ENTRY_NAME_CHI"_s, .bytes = 60},
           {.name = u"edtEntryNameEng"_s, .caption = u"영문"_s, .field = u"ENTRY_NAME_ENG"_s, .bytes = 60,
            .sameLine = true}});
    AddFields({
        {.name = u"wmeIdNo"_s, .caption = u"*주민등록번호"_s, .kind = FieldKind::ResidentNo, .field = u"ID_NO"_s,
         .to = &wmeIdNo},
        {.name = u"edtSkiSkill"_s, .caption = u"스키경력"_s, .field = u"SKI_SKILL"_s, .bytes = 80},
    });
    // Home address line 2 keeps its name, but it is typed: an edit, as the
    // office's is.
    group(u"grpHome"_s, u"자택정보"_s, AddressFields(u"Home"_s, u"HOME_"_s, u"wlbHomeAddr2"_s));
    group(u"grpOffice"_s, u"직장정보"_s, AddressFields(u"Office"_s, u"OFFICE_"_s, u"edtOfficeAddr2"_s));
    AddFields({
        {.name = u"edtMobileNo"_s, .caption = u"*핸드폰번호"_s, .field = u"MOBILE_NO"_s, .bytes = 40,
         .to = &edtMobileNo},
        {.name = u"edtEmail"_s, .caption = u"e-Mail"_s, .field = u"EMAIL"_s, .bytes = 80},
        {.name = u"cboApplyClass"_s, .caption = u"*신청급수"_s, .kind = FieldKind::Code, .field = u"APPLY_CLASS"_s,
         .codeGroup = u"E0026"_s},
        {.name = u"wneApplyAmt"_s, .caption = u"*참가비"_s, .kind = FieldKind::Number, .field = u"APPLY_AMT"_s,
         .bytes = 10, .width = 110},
    });

    qryQuery.setSql(Query);
    prcSaveData.setName(u"pr_edi020_01"_s);
    SetOptions({.keepEmptyRow = true});
}

bool TfrmEDI020::BeforeSearch()
{
    return CheckSearchFields();
}

QList<RowCheck> TfrmEDI020::RowChecks()
{
    const auto blank = [](const QWidget *control) { return [control] { return IsBlankControl(control); }; };
    return {
        {blank(wmeApplyDate), wmeApplyDate, u"*신청일"_s + EnterFirst},
        {[this] { return !IsValidYmd(wmeApplyDate->plainText()); }, wmeApplyDate, u"*신청일"_s + EnterCorrectly},
        {blank(edtEntryNameKor), edtEntryNameKor, u"참가자명"_s + EnterFirst},
        {blank(wmeIdNo), wmeIdNo, u"*주민등록번호"_s + EnterFirst},
        {blank(edtMobileNo), edtMobileNo, u"*핸드폰번호"_s + EnterFirst},
    };
}
