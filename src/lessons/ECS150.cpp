#include "ECS150.h"

#include "ECP150.h"
#include "GridModel.h"
#include "GridView.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>

using namespace Qt::StringLiterals;

namespace {

// A stored personal number as 'NNNNNN-NNNNNNN', read through the key.
QString IdNoSql(const QString &column)
{
    return u"CASE WHEN %1 IS NOT NULL THEN SUBSTR(fn_za010ms_04(%1), 1, 6) || '-' || SUBSTR(fn_za010ms_04(%1), 7) END"_s
        .arg(column);
}

QString ZipSql(const QString &column)
{
    return u"CASE WHEN %1 IS NOT NULL THEN SUBSTR(%1, 1, 3) || '-' || SUBSTR(%1, 4, 3) END"_s.arg(column);
}

// A party's seven columns, hidden in the grid and printed.
QList<ColumnDef> PartyColumns(const QString &prefix, const QString &who)
{
    const auto column = [&](const QString &title, const QString &field, qreal print) {
        return ColumnDef{.title = who + title, .field = prefix + field, .visible = false,
                         .print = {print, who + u"\n"_s + title}};
    };
    return {column(u"명"_s, u"_NAME"_s, 12),      column(u"직업"_s, u"_JOB"_s, 11),
            column(u"연락처"_s, u"_TEL_NO"_s, 14), column(u"주민번호"_s, u"_ID_NO"_s, 17),
            column(u"우편번호"_s, u"_ZIP_CODE"_s, 10), column(u"주소1"_s, u"_ADDR1"_s, 12),
            column(u"주소2"_s, u"_ADDR2"_s, 10)};
}

} // namespace

TfrmECS150::TfrmECS150(QWidget *parent)
    : TfrmEZS000({.form = u"frmECS150"_s, .caption = u"강습사고 현황 조회,출력"_s, .report = ListReport<TfrmECP150>},
                 parent)
{
    AddSearchFields({{.name = u"dtpDate"_s, .caption = u"*사고일자"_s, .kind = FieldKind::Date,
                      .field = u"TROB_DATE"_s, .printLine = 1}});
    QList<ColumnDef> columns = {
        {.title = u"순번"_s, .field = u"SEQ_NO"_s, .width = 40, .alignment = Qt::AlignCenter, .print = {6}},
        {.title = u"사고명"_s, .field = u"TROB_NAME"_s, .width = 200, .print = {14}},
        {.title = u"사고시간"_s, .field = u"TROB_TIME"_s, .width = 70, .alignment = Qt::AlignCenter,
         .print = {9, u"사고\n시간"_s}},
        {.title = u"사고장소"_s, .field = u"TROB_PLACE"_s, .width = 160, .print = {12, u"사고\n장소"_s}},
        {.title = u"담당강사사번"_s, .field = u"LECTURER_EMP_NO"_s, .width = 90, .alignment = Qt::AlignCenter,
         .print = {10, u"강사\n사번"_s}},
        {.title = u"담당강사명"_s, .field = u"LECTURER_NAME"_s, .width = 100, .print = {10, u"강사명"_s}},
    };
    columns += PartyColumns(u"LOSS"_s, u"피해자"_s);
    columns += PartyColumns(u"OFFENSE"_s, u"가해자"_s);
    const std::pair<QString, QString> account[] = {{u"사건개요"_s, u"TROB_REMARK"_s}, {u"부상부위"_s, u"TROB_INJURY"_s},
                                                   {u"조치사항"_s, u"TROB_AFTER"_s}, {u"목격자"_s, u"TROB_WITNESSES"_s}};
    for (const auto &[title, field] : account)
        columns.append({.title = title, .field = field, .visible = false, .print = {10}});
    cdsQuery->setColumns(columns);

    QString select = u"SELECT t.seq_no, t.trob_name,\n"
                     "       SUBSTR(t.trob_time, 1, 2) || ':' || SUBSTR(t.trob_time, 3, 2) AS trob_time,\n"
                     "       t.trob_place, t.lecturer_emp_no, t.lecturer_name"_s;
    for (const QString &party : {u"loss"_s, u"offense"_s})
        select += u",\n       t.%1_name, t.%1_job, fn_za010ms_04(t.%1_tel_no) AS %1_tel_no, %2 AS %1_id_no,\n"
                  "       %3 AS %1_zip_code, fn_za010ms_04(t.%1_addr1) AS %1_addr1, fn_za010ms_04(t.%1_addr2) AS %1_addr2"_s.arg(party, IdNoSql(u"t."_s + party + u"_id_no"_s),
                                                 ZipSql(u"t."_s + party + u"_zip_code"_s));
    SetQuery(select
             + u",\n       t.trob_remark, t.trob_injury, t.trob_after, t.trob_witnesses\n"
               "FROM   ec070ms t\n"
               "WHERE  t.trob_date = :TROB_DATE\n"
               "ORDER  BY t.seq_no"_s);

    // The current accident's parties and account below the list.
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
    const auto party = [&](const QString &caption, const QString &prefix, const QString &control, int column) {
        auto *box = new QGroupBox(caption, panInfo);
        box->setObjectName(u"grp"_s + control);
        auto *form = new QFormLayout(box);
        form->addRow(caption + u"명"_s, detail(u"wlb%1Name"_s.arg(control), prefix + u"_NAME"_s));
        form->addRow(u"직업"_s, detail(u"wlb%1Job"_s.arg(control), prefix + u"_JOB"_s));
        form->addRow(u"연락처"_s, detail(u"wlb%1TelNo"_s.arg(control), prefix + u"_TEL_NO"_s));
        form->addRow(u"주민등록번호"_s, detail(u"wlb%1IdNo"_s.arg(control), prefix + u"_ID_NO"_s));
        auto *address = new QHBoxLayout;
        QLabel *zip = detail(u"wlb%1ZipCode"_s.arg(control), prefix + u"_ZIP_CODE"_s);
        zip->setFixedWidth(64);
        address->addWidget(zip);
        address->addWidget(detail(u"wlb%1Addr1"_s.arg(control), prefix + u"_ADDR1"_s), 1);
        form->addRow(u"주소"_s, address);
        form->addRow(QString(), detail(u"wlb%1Addr2"_s.arg(control), prefix + u"_ADDR2"_s));
        details->addWidget(box, 0, column);
    };
    party(u"피해자"_s, u"LOSS"_s, u"Loss"_s, 0);
    party(u"가해자"_s, u"OFFENSE"_s, u"Offense"_s, 1);
    auto *other = new QGroupBox(u"기타"_s, panInfo);
    other->setObjectName(u"grpOther"_s);
    auto *otherForm = new QFormLayout(other);
    otherForm->addRow(u"사건개요"_s, detail(u"wlbTrobRemark"_s, u"TROB_REMARK"_s));
    otherForm->addRow(u"부상부위"_s, detail(u"wlbTrobInjury"_s, u"TROB_INJURY"_s));
    otherForm->addRow(u"조치사항"_s, detail(u"wlbTrobAfter"_s, u"TROB_AFTER"_s));
    otherForm->addRow(u"목격자"_s, detail(u"wlbTrobWitnesses"_s, u"TROB_WITNESSES"_s));
    details->addWidget(other, 0, 2);
    connect(rgrGrid, &GridView::currentRowChanged, this, [this](int row) { showDetails(row); });
    connect(cdsQuery, &QAbstractItemModel::modelReset, this, [this] { showDetails(rgrGrid->currentRow()); });
}

void TfrmECS150::showDetails(int row)
{
    for (const auto &[label, field] : std::as_const(m_details))
        label->setText(row >= 0 && row < cdsQuery->rowCount() ? cdsQuery->value(row, field) : QString());
}
