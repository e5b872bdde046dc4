#include "EDS050.h"

#include "Badge.h"
#include "CodeCombo.h"
#include "CodeServices.h"
#include "EDP050.h"
#include "GridModel.h"
#include "GridView.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>

using namespace Qt::StringLiterals;

namespace {

const QString Select = uR"sql(SELECT TO_CHAR(recv_no, 'FM000000') AS recv_no,
       SUBSTR(apply_date, 1, 4) || '-' || SUBSTR(apply_date, 5, 2) || '-' || SUBSTR(apply_date, 7, 2) AS apply_date,
       entry_name_kor, entry_name_chi, entry_name_eng,
       CASE WHEN id_no IS NOT NULL THEN
            SUBSTR(fn_za010ms_04(id_no), 1, 6) || '-' || SUBSTR(fn_za010ms_04(id_no), 7) END AS id_no,
       ski_skill,
       CASE WHEN home_zip_code IS NOT NULL THEN
            SUBSTR(home_zip_code, 1, 3) || '-' || SUBSTR(home_zip_code, 4, 3) END AS home_zip_code,
       fn_za010ms_04(home_addr1) AS home_addr1, fn_za010ms_04(home_addr2) AS home_addr2,
       fn_za010ms_04(home_tel_no) AS home_tel_no, fn_za010ms_04(home_fax_no) AS home_fax_no,
       CASE WHEN office_zip_code IS NOT NULL THEN
            SUBSTR(office_zip_code, 1, 3) || '-' || SUBSTR(office_zip_code, 4, 3) END AS office_zip_code,
       fn_za010ms_04(office_addr1) AS office_addr1, fn_za010ms_04(office_addr2) AS office_addr2,
       fn_za010ms_04(office_tel_no) AS office_tel_no, fn_za010ms_04(office_fax_no) AS office_fax_no,
       fn_za010ms_04(mobile_no) AS mobile_no, email,
       (SELECT detail_name FROM zx010ms WHERE head = :GC_APPLY_CLASS_CODE AND detail = apply_class) AS apply_class,
       TO_CHAR(apply_amt, 'FM9,999,999,999') AS apply_amt
FROM   ed020ms
WHERE  season_gubun = :SEASON_GUBUN)sql"_s;

// The line each choice of the condition list adds; its values are bound.
const QString ConditionLines[] = {
    {},
    u"\nAND    "_s + badge::NumberRangeCondition(u"recv_no"_s),
    u"\nAND    entry_name_kor LIKE :ENTRY_NAME_KOR ESCAPE '!'"_s,
    u"\nAND    apply_date BETWEEN COALESCE(CAST(:APPLY_DATE_FROM AS text), '00000000')"
    " AND COALESCE(CAST(:APPLY_DATE_TO AS text), '99999999')"_s,
};

const TfrmEZS000::Binds Fixed = {{u"GC_APPLY_CLASS_CODE"_s, u"E0026"_s}};

} // namespace

TfrmEDS050::TfrmEDS050(QWidget *parent)
    : TfrmEZS000({.form = u"frmEDS050"_s, .caption = u"뱃지테스트 참가자 현황 조회,출력"_s,
                  .report = ListReport<TfrmEDP050>},
                 parent)
{
    FieldDef season = badge::SeasonField({});
    season.printLine = 1;
    AddSearchFields({
        season,
        {.name = u"cboCondition"_s, .caption = u"검색조건"_s, .kind = FieldKind::Code, .field = u"CONDITION"_s,
         .width = 100, .to = &cboCondition,
         .choices = {{u"[ 전 체 ]"_s, u"접수번호"_s, u"참가자명"_s, u"신청일"_s}, {u"0"_s, u"1"_s, u"2"_s, u"3"_s}},
         .printLine = 2},
    });

    // One page of fields per choice of the condition list, the first empty.
    AddConditionPages(cboCondition,
                      {{},
                       {{.name = u"edtRecvNoFrom"_s, .caption = u"접수번호"_s, .field = u"RECV_NO_FROM"_s, .bytes = 6,
                         .width = 70, .to = &edtRecvNoFrom, .printLine = 0},
                        {.name = u"edtRecvNoTo"_s, .caption = u"∼"_s, .field = u"RECV_NO_TO"_s, .bytes = 6,
                         .width = 70, .to = &edtRecvNoTo, .printLine = 0}},
                       {{.name = u"edtEntryNameKor"_s, .caption = u"참가자명"_s, .field = u"ENTRY_NAME_KOR"_s,
                         .bytes = 60, .width = 140, .to = &edtEntryNameKor, .bound = LikeAnywhere, .printLine = 0}},
                       {{.name = u"wmeApplyDateFrom"_s, .caption = u"신청일"_s, .kind = FieldKind::DateRange,
                         .field = u"APPLY_DATE_FROM"_s, .printLine = 0}}});

    cdsQuery->setColumns({
        {.title = u"접수번호"_s, .field = u"RECV_NO"_s, .width = 70, .alignment = Qt::AlignCenter, .print = {15}},
        {.title = u"신청일"_s, .field = u"APPLY_DATE"_s, .width = 80, .alignment = Qt::AlignCenter, .print = {20}},
        {.title = u"참가자명"_s, .field = u"ENTRY_NAME_KOR"_s, .width = 100, .print = {24, u"참가자명(한글)"_s}},
        {.title = u"참가자명(한문)"_s, .field = u"ENTRY_NAME_CHI"_s, .visible = false, .print = {24}},
        {.title = u"참가자명(영문)"_s, .field = u"ENTRY_NAME_ENG"_s, .visible = false, .print = {28}},
        {.title = u"주민등록번호"_s, .field = u"ID_NO"_s, .width = 110, .alignment = Qt::AlignCenter, .print = {28}},
        {.title = u"스키경력"_s, .field = u"SKI_SKILL"_s, .width = 120, .print = {28}},
        {.title = u"핸드폰"_s, .field = u"MOBILE_NO"_s, .width = 110, .print = {28}},
        {.title = u"신청급수"_s, .field = u"APPLY_CLASS"_s, .width = 70, .alignment = Qt::AlignCenter, .print = {16}},
        {.title = u"참가비"_s, .field = u"APPLY_AMT"_s, .width = 80, .alignment = Qt::AlignRight, .print = {18}},
        {.title = u"E-MAIL"_s, .field = u"EMAIL"_s, .visible = false, .print = {40}},
    });
    SetQuery(ListSql(All), Fixed);

    // The current entrant's details below the list.
    splGrid->setOrientation(Qt::Vertical);
    panInfo->show();
    auto *details = new QGridLayout(panInfo);
    const auto detail = [this](const QString &name, const QString &field) {
        auto *label = new QLabel(panInfo);
        label->setObjectName(name);
        label->setFrameShape(QFrame::StyledPanel);
        label->setMinimumWidth(60);
        m_details.append({label, field});
        return label;
    };
    const auto place = [&](const QString &caption, const QString &prefix, const QString &control, int column) {
        auto *box = new QGroupBox(caption, panInfo);
        auto *form = new QFormLayout(box);
        form->addRow(u"전화번호"_s, detail(u"wlb%1TelNo"_s.arg(control), prefix + u"TEL_NO"_s));
        form->addRow(u"FAX번호"_s, detail(u"wlb%1FaxNo"_s.arg(control), prefix + u"FAX_NO"_s));
        auto *address = new QHBoxLayout;
        QLabel *zip = detail(u"wlb%1ZipCode"_s.arg(control), prefix + u"ZIP_CODE"_s);
        zip->setFixedWidth(64);
        address->addWidget(zip);
        address->addWidget(detail(u"wlb%1Addr1"_s.arg(control), prefix + u"ADDR1"_s), 1);
        address->addWidget(detail(u"wlb%1Addr2"_s.arg(control), prefix + u"ADDR2"_s), 1);
        form->addRow(u"주소"_s, address);
        details->addWidget(box, 0, column);
    };
    place(u"자택정보"_s, u"HOME_"_s, u"Home"_s, 0);
    place(u"직장정보"_s, u"OFFICE_"_s, u"Office"_s, 1);
    auto *names = new QGroupBox(u"참가자명"_s, panInfo);
    auto *namesForm = new QFormLayout(names);
    namesForm->addRow(u"한문"_s, detail(u"wlbEntryNameChi"_s, u"ENTRY_NAME_CHI"_s));
    namesForm->addRow(u"영문"_s, detail(u"wlbEntryNameEng"_s, u"ENTRY_NAME_ENG"_s));
    namesForm->addRow(u"E-MAIL"_s, detail(u"wlbEmail"_s, u"EMAIL"_s));
    details->addWidget(names, 0, 2);
    connect(rgrGrid, &GridView::currentRowChanged, this, [this](int row) { showEntrantDetails(row); });
    connect(cdsQuery, &QAbstractItemModel::modelReset, this, [this] { showEntrantDetails(rgrGrid->currentRow()); });
}

QString TfrmEDS050::ListSql(int condition)
{
    return Select + ConditionLines[std::clamp(condition, 0, 3)] + u"\nORDER  BY recv_no"_s;
}

TfrmEDS050::Condition TfrmEDS050::chosen() const
{
    return Condition(std::clamp(cboCondition->currentIndex(), 0, 3));
}

QList<TfrmZZI000::ContractQuery> TfrmEDS050::ContractQueries() const
{
    QHash<QString, QString> fixed;
    for (const auto &[name, value] : Fixed)
        fixed.insert(name, value);
    QList<ContractQuery> queries;
    for (int condition = All; condition <= ApplyDate; ++condition)
        queries.append({ListSql(condition), fixed});
    return queries;
}

QList<RowCheck> TfrmEDS050::SearchChecks()
{
    if (chosen() != RecvNo)
        return {};
    return badge::NumberRangeChecks(edtRecvNoFrom, edtRecvNoTo, u"접수번호"_s);
}

void TfrmEDS050::PrepareSearch()
{
    qryQuery.setSql(ListSql(chosen()));
    for (const auto &[name, value] : Fixed)
        qryQuery.bind(name, value);
}

void TfrmEDS050::FillConditions(TfrmZZP010 &report)
{
    TfrmEZS000::FillConditions(report);
    QString bare;
    switch (chosen()) {
    case All:
        break;
    case RecvNo:
        bare = badge::NumberRangeText(edtRecvNoFrom, edtRecvNoTo);
        break;
    case Name:
        bare = edtEntryNameKor->text().trimmed();
        break;
    case ApplyDate:
        for (const Field &field : SearchFields())
            if (field.def.name == u"wmeApplyDateFrom"_s)
                bare = field.printed();
        break;
    }
    report.SetCondition(bare);
}

void TfrmEDS050::showEntrantDetails(int row)
{
    for (const auto &[label, field] : std::as_const(m_details))
        label->setText(row >= 0 && row < cdsQuery->rowCount() ? cdsQuery->value(row, field) : QString());
}
