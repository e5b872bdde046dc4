#include "EGI020.h"

#include "GridModel.h"
#include "GridView.h"
#include "Guard.h"
#include "Modal.h"
#include "Routines.h"
#include "SavedRows.h"
#include "SqlQuery.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

// The 35 columns of the member master in its order; the four the clerk may
// type into are the phones and the validity dates.
const QList<ColumnDef> Columns = [] {
    QList<ColumnDef> columns = {
        {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 90, .readOnly = true},
        {.title = u"회원명"_s, .field = u"MEMBER_NAME"_s, .width = 100, .dataWidth = 60, .readOnly = true},
    };
    const auto hidden = [&](const char16_t *field, const char16_t *title) {
        columns.append({.title = QString::fromUtf16(title), .field = QString::fromUtf16(field), .visible = false});
    };
    hidden(u"MEMBER_NAME_ENG", u"회원구분");
    hidden(u"ID_NO", u"주민번호");
    hidden(u"SEX_CODE", u"성별");
    hidden(u"NATION_CODE", u"국적");
    hidden(u"PASSWORD_NO", u"비밀번호");
    hidden(u"BIRTH_DAY", u"생일");
    hidden(u"CALENDAR_CODE", u"양음력");
    hidden(u"MEMORIAL_DAY", u"기념일");
    hidden(u"MEMORIAL_DAY_CODE", u"기념일구분");
    hidden(u"MAIN_MEMBER_NO", u"주회원번호");
    hidden(u"JOB_CODE", u"직업");
    hidden(u"COMPANY_NAME", u"직장명");
    hidden(u"POST_NAME", u"부서명");
    hidden(u"OFFICE_POSITION", u"직위");
    hidden(u"E_MAIL", u"E-Mail");
    columns.append({.title = u"자택전화"_s, .field = u"HOME_TEL"_s, .width = 110, .dataWidth = 20});
    hidden(u"HOME_FAX", u"자택팩스");
    hidden(u"OFFICE_TEL", u"직장전화");
    hidden(u"OFFICE_FAX", u"직장팩스");
    columns.append({.title = u"휴대폰"_s, .field = u"MOBILE_TEL"_s, .width = 110, .dataWidth = 20});
    hidden(u"HOME_POST", u"우편번호");
    hidden(u"HOME_ADDRESS1", u"주소1");
    hidden(u"HOME_ADDRESS2", u"주소2");
    hidden(u"OFFICE_POST", u"직장우편번호");
    hidden(u"OFFICE_ADDRESS1", u"직장주소1");
    hidden(u"OFFICE_ADDRESS2", u"직장주소2");
    columns.append({.title = u"사용시작일자"_s, .field = u"USE_DATE_FROM"_s, .width = 90, .dataWidth = 8,
                    .alignment = Qt::AlignCenter});
    columns.append({.title = u"사용종료일자"_s, .field = u"USE_DATE_TO"_s, .width = 90, .dataWidth = 8,
                    .alignment = Qt::AlignCenter});
    hidden(u"MEMBER_GROUP_CODE", u"회원그룹");
    hidden(u"GUEST_TYPE", u"고객유형");
    hidden(u"GOLF_CODE", u"골프코드");
    hidden(u"USE_ROOM_TYPE", u"객실유형");
    hidden(u"MEMBER_REMARK", u"비고");
    return columns;
}();

// The detail fields in the panel's order: field, caption, most characters.
struct Detail
{
    const char16_t *name;
    const char16_t *field;
    const char16_t *caption;
    int length;
};
const Detail Details[] = {
    {u"edtMemberName", u"MEMBER_NAME", u"회원명 :", 30},
    {u"edtMemberNameEng", u"MEMBER_NAME_ENG", u"회원구분 :", 30},
    {u"edtIdNo", u"ID_NO", u"주민번호 :", 13},
    {u"edtEMail", u"E_MAIL", u"E-Mail :", 50},
    {u"edtHomeTel", u"HOME_TEL", u"자택전화 :", 20},
    {u"edtMobileTel", u"MOBILE_TEL", u"휴대폰 :", 20},
    {u"edtHomePost", u"HOME_POST", u"우편번호 :", 6},
    {u"edtHomeAddress1", u"HOME_ADDRESS1", u"주소1 :", 50},
    {u"edtHomeAddress2", u"HOME_ADDRESS2", u"주소2 :", 50},
    {u"edtUseDateFrom", u"USE_DATE_FROM", u"사용시작일자 :", 8},
    {u"edtUseDateTo", u"USE_DATE_TO", u"사용종료일자 :", 8},
};

const QString SexCodesSql = u"SELECT detail_name FROM zx010ms WHERE head = 'Z0008' ORDER BY detail"_s;

const QString Current = u"정상회원"_s;
const QString Expired = u"만료회원"_s;

// Every column of the member master in its order; personal columns read
// as text through fn_za010ms_04.
const QString Query = uR"sql(SELECT member_no, member_name, member_name_eng, fn_za010ms_04(id_no) AS id_no, sex_code,
       nation_code, fn_za010ms_04(password_no) AS password_no, birth_day, calendar_code, memorial_day,
       memorial_day_code, main_member_no, job_code, company_name, post_name, office_position, e_mail,
       fn_za010ms_04(home_tel) AS home_tel, fn_za010ms_04(home_fax) AS home_fax,
       fn_za010ms_04(office_tel) AS office_tel, fn_za010ms_04(office_fax) AS office_fax,
       fn_za010ms_04(mobile_tel) AS mobile_tel, home_post, fn_za010ms_04(home_address1) AS home_address1,
       fn_za010ms_04(home_address2) AS home_address2, office_post,
       fn_za010ms_04(office_address1) AS office_address1, fn_za010ms_04(office_address2) AS office_address2,
       use_date_from, use_date_to, member_group_code, guest_type, golf_code, use_room_type, member_remark
FROM   ba040ms
WHERE  member_no LIKE '20%'
AND    (member_name LIKE '%' || CAST(:MEMBER_NAME AS text) || '%' OR CAST(:MEMBER_NAME AS text) IS NULL))sql"_s;

} // namespace

TfrmEGI020::TfrmEGI020(QWidget *parent) : TfrmEZI020(u"frmEGI020"_s, u"회원 등록"_s, parent)
{
    auto *nameLabel = new QLabel(u"회원명 :"_s, panSearch);
    edtSearchName = new QLineEdit(panSearch);
    edtSearchName->setObjectName(u"edtSearchName"_s);
    edtSearchName->setMaxLength(30);
    edtSearchName->setFixedWidth(140);
    auto *conditionLabel = new QLabel(u"검색조건 :"_s, panSearch);
    cmbCondition = new QComboBox(panSearch);
    cmbCondition->setObjectName(u"cmbCondition"_s);
    cmbCondition->addItems({u"전     체"_s, Current, Expired});
    cmbCondition->setCurrentIndex(-1);
    cmbCondition->setFixedWidth(110);
    for (QWidget *w : std::initializer_list<QWidget *>{nameLabel, edtSearchName, conditionLabel, cmbCondition})
        AddToSearchBar(w);

    SetColumns(Columns);
    bbtDelete->hide();

    // The details beside the list.
    panDetail = new QWidget(panGrid);
    panDetail->setObjectName(u"panDetail"_s);
    panDetail->setFixedWidth(340);
    auto *form = new QFormLayout(panDetail);
    for (const Detail &d : Details) {
        const QString field = QString::fromUtf16(d.field);
        auto *edit = new QLineEdit(panDetail);
        edit->setObjectName(QString::fromUtf16(d.name));
        edit->setMaxLength(d.length);
        m_edits.insert(field, edit);
        connect(edit, &QLineEdit::textEdited, this,
                Guarded([this, field](const QString &text) { fieldEdited(field, text); }));
        if (field == u"MEMBER_NAME"_s) {
            auto *line = new QHBoxLayout;
            wlbMemberNo = new QLabel(panDetail);
            wlbMemberNo->setObjectName(u"wlbMemberNo"_s);
            wlbMemberNo->setMinimumWidth(90);
            line->addWidget(edit);
            line->addWidget(wlbMemberNo);
            form->addRow(QString::fromUtf16(d.caption), line);
        } else {
            form->addRow(QString::fromUtf16(d.caption), edit);
        }
        if (field == u"ID_NO"_s) {
            auto *line = new QHBoxLayout;
            cmbSex = new QComboBox(panDetail);
            cmbSex->setObjectName(u"cmbSex"_s);
            wlbSexCode = new QLabel(panDetail);
            wlbSexCode->setObjectName(u"wlbSexCode"_s);
            line->addWidget(cmbSex);
            line->addWidget(wlbSexCode);
            line->addStretch();
            form->addRow(u"성 별 :"_s, line);
            connect(cmbSex, &QComboBox::activated, this, Guarded([this](int) { sexChosen(); }));
        }
    }
    if (auto *box = qobject_cast<QBoxLayout *>(panGrid->layout())) {
        box->removeWidget(rgrGrid);
        auto *row = new QHBoxLayout;
        row->addWidget(rgrGrid, 1);
        row->addWidget(panDetail);
        box->addLayout(row);
    }

    connect(rgrGrid, &GridView::currentRowChanged, this, Guarded([this](int now, int) { showRow(now); }));
    connect(&Rows(), &GridModel::valueChanged, this, Guarded([this](int row, const QString &) {
        if (!m_showing && row == rgrGrid->currentRow())
            showRow(row);
    }));
    connect(rgrGrid, &QAbstractItemView::doubleClicked, this, Guarded([this](const QModelIndex &) { askRegister(); }));

    qryQuery.setSql(SearchSql({}));
    prcProc.setName(u"pr_egi020_01"_s);
    prcProc.declare({u"AEDITSTATUS"_s, u"AMEMBER_GROUP_CODE"_s, u"AGUEST_TYPE"_s, u"AGOLF_CODE"_s,
                     u"AUSE_ROOM_TYPE"_s, u"ASEX_CODE"_s});
    Calls(prcProc, [] {
        QStringList offered;
        for (const ColumnDef &column : Columns)
            offered.append(u"A"_s + column.field);
        return offered;
    });
}

QString TfrmEGI020::SexCodeOf(const QString &label)
{
    if (label == u"남"_s)
        return u"1"_s;
    if (label == u"여"_s)
        return u"2"_s;
    return u"Z"_s;
}

QString TfrmEGI020::SexLabelOf(const QString &code)
{
    if (code == u"1"_s)
        return u"남"_s;
    if (code == u"2"_s)
        return u"여"_s;
    return u"구분없슴"_s;
}

QString TfrmEGI020::SearchSql(const QString &condition)
{
    if (condition == Current)
        return Query + u" and use_date_to >= :date_to"_s;
    if (condition == Expired)
        return Query + u" and use_date_to < :date_to"_s;
    return Query;
}

QStringList TfrmEGI020::ContractSql() const
{
    return {SearchSql({}), SearchSql(Current), SearchSql(Expired), SexCodesSql};
}

void TfrmEGI020::FormReady()
{
    TfrmEZI020::FormReady();
    SqlQuery codes(SexCodesSql);
    codes.exec();
    while (codes.next())
        cmbSex->addItem(codes.value(0));
    // A stored code the group lacks is shown, and can be chosen, as this.
    if (cmbSex->findText(SexLabelOf({})) < 0)
        cmbSex->addItem(SexLabelOf({}));
    cmbSex->setCurrentIndex(-1);
}

bool TfrmEGI020::BeforeSearch()
{
    qryQuery.setSql(SearchSql(cmbCondition->currentText()));
    qryQuery.clearBinds();
    qryQuery.bind(u"MEMBER_NAME"_s, edtSearchName->text());
    if (qryQuery.hasPlaceholder(u"date_to"_s))
        qryQuery.bind(u"date_to"_s, TodayKey());
    return true;
}

void TfrmEGI020::Searched()
{
    showRow(rgrGrid->currentRow());
}

void TfrmEGI020::showRow(int row)
{
    m_showing = true;
    const bool has = row >= 0 && row < Rows().rowCount();
    for (auto it = m_edits.begin(); it != m_edits.end(); ++it)
        it.value()->setText(has ? Rows().value(row, it.key()) : QString());
    wlbMemberNo->setText(has ? Rows().value(row, u"MEMBER_NO"_s) : QString());
    const QString code = has ? Rows().value(row, u"SEX_CODE"_s) : QString();
    const QString label = SexLabelOf(code);
    cmbSex->setCurrentIndex(has ? cmbSex->findText(label) : -1);
    wlbSexCode->setText(has ? SexCodeOf(label) : QString());
    m_showing = false;
}

void TfrmEGI020::fieldEdited(const QString &field, const QString &text)
{
    const int row = rgrGrid->currentRow();
    if (row < 0 || row >= Rows().rowCount())
        return;
    m_showing = true;
    Rows().setValue(row, field, text);
    m_showing = false;
}

void TfrmEGI020::sexChosen()
{
    const QString code = SexCodeOf(cmbSex->currentText());
    wlbSexCode->setText(code);
    fieldEdited(u"SEX_CODE"_s, code);
}

void TfrmEGI020::askRegister()
{
    if (ConfirmBox(u"등록하시겠습니까?\r\n내용수정후 저장버튼을 누르시면 등록내용이 저장됩니다."_s))
        m_edits.value(u"MEMBER_NAME"_s)->setFocus();
}

bool TfrmEGI020::bbtAddClick()
{
    if (!bbtAdd->isEnabled() || !bbtAdd->isVisible())
        return false;
    // A new member replaces the list; with changes not yet saved the list
    // stays, and the new member is added below them, so nothing typed is lost.
    PostRow();
    if (PendingChanges().isEmpty()) {
        Rows().close();
        Rows().open();
    }
    if (!TfrmEZI020::bbtAddClick())
        return false;
    const int row = rgrGrid->currentRow();
    if (row < 0)
        return true;
    fieldEdited(u"SEX_CODE"_s, u"1"_s);
    fieldEdited(u"USE_DATE_FROM"_s, TodayKey());
    fieldEdited(u"USE_DATE_TO"_s, TodayKey());
    showRow(row);
    m_edits.value(u"MEMBER_NAME"_s)->setFocus();
    return true;
}

bool TfrmEGI020::bbtCancelClick()
{
    if (!TfrmEZI020::bbtCancelClick())
        return false;
    cmbCondition->setCurrentIndex(-1);
    showRow(-1);
    edtSearchName->setFocus();
    return true;
}

void TfrmEGI020::RunSaveProc()
{
    // This registry's members: the same group and attributes on every save.
    prcProc.setValue(u"AMEMBER_GROUP_CODE"_s, u"20"_s);
    prcProc.setValue(u"AGUEST_TYPE"_s, u"250"_s);
    prcProc.setValue(u"AGOLF_CODE"_s, u"99"_s);
    prcProc.setValue(u"AUSE_ROOM_TYPE"_s, u"99"_s);
    // The code follows the label shown: one the list does not know goes out as 'Z'.
    prcProc.setValue(u"ASEX_CODE"_s, SexCodeOf(SexLabelOf(Rows().value(SavingRow(), u"SEX_CODE"_s))));
    TfrmEZI020::RunSaveProc();
    if (RowStateOf(SavingRow()) == EditStatus::Inserted)
        m_insertedRows.append(SavingRow());
}

void TfrmEGI020::SaveAll(SavedRows &saved)
{
    m_insertedRows.clear();
    TfrmEZI020::SaveAll(saved);
}

void TfrmEGI020::Saved(const SavedRows &saved)
{
    // The numbers the server issued go into their rows, so that saving the
    // same member again changes it instead of adding it twice.
    const QList<int> rows = std::exchange(m_insertedRows, {});
    for (int i = 0; i < rows.size() && i < saved.added.size(); ++i) {
        if (rows.at(i) < Rows().rowCount())
            Rows().setValue(rows.at(i), u"MEMBER_NO"_s, saved.added.at(i).output(u"amember_no"_s));
    }
    Rows().acceptRecords();
    showRow(rgrGrid->currentRow());
    InfoBox(u"자료를 정상적으로 저장했습니다."_s);
}
