#include "EZH030.h"

#include "GridModel.h"
#include "GridView.h"
#include "Lookups.h"
#include "Modal.h"
#include "Routines.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const QString Sql = u"SELECT member_no,\n"
                    "       member_name,\n"
                    "       fn_za010ms_04(id_no) AS id_no,\n"
                    "       (SELECT detail_name FROM zx010ms WHERE head = :GC_MEMBER_GROUP_CODE\n"
                    "           AND detail = member_group_code) AS member_group_name,\n"
                    "       (SELECT detail_name FROM zx010ms WHERE head = :GC_SEX_CODE\n"
                    "           AND detail = sex_code) AS sex_name,\n"
                    "       cancel_date,\n"
                    "       main_member_name,\n"
                    "       member_info,\n"
                    "       fn_za010ms_04(home_tel) AS home_tel,\n"
                    "       home_post,\n"
                    "       fn_za010ms_04(home_address1) AS home_address1,\n"
                    "       fn_za010ms_04(home_address2) AS home_address2,\n"
                    "       office_post,\n"
                    "       fn_za010ms_04(office_address1) AS office_address1,\n"
                    "       fn_za010ms_04(office_address2) AS office_address2,\n"
                    "       fn_za010ms_04(office_tel) AS office_tel,\n"
                    "       fn_za010ms_04(mobile_tel) AS mobile_tel\n"
                    "FROM   bb010ve\n"
                    "WHERE  member_name LIKE :MEMBER_NAME ESCAPE '!'\n"
                    "ORDER  BY member_name, member_no"_s;

// The side panel: a caption and the fields shown on its line; a line
// without caption continues the one above.
struct DetailLine
{
    QString label;
    QStringList fields;
};

const QList<DetailLine> DetailLines{
    {u"대표자명"_s, {u"MAIN_MEMBER_NAME"_s}},
    {u"분양정보"_s, {u"MEMBER_INFO"_s}},
    {u"자택전호"_s, {u"HOME_TEL"_s}},
    {u"자택주소"_s, {u"HOME_POST"_s, u"HOME_ADDRESS1"_s}},
    {{}, {u"HOME_ADDRESS2"_s}},
    {u"회사주소"_s, {u"OFFICE_POST"_s, u"OFFICE_ADDRESS1"_s}},
    {{}, {u"OFFICE_ADDRESS2"_s}},
    {u"회사전호"_s, {u"OFFICE_TEL"_s}},
    {u"핸드폰"_s, {u"MOBILE_TEL"_s}},
};

constexpr int DetailWidth = 300;
constexpr int PostWidth = 56;

// "HOME_ADDRESS1" gives "edtHomeAddress1".
QString EditName(const QString &field)
{
    QString name = u"edt"_s;
    for (const QString &part : field.split(u'_'))
        name += part.left(1).toUpper() + part.mid(1).toLower();
    return name;
}

} // namespace

TfrmEZH030::TfrmEZH030(QWidget *parent) : TfrmEZH000(u"frmEZH030"_s, u"회원"_s, parent)
{
    AddSearchField({.label = u"회원명"_s, .name = u"edtMemberName"_s, .bind = u"MEMBER_NAME"_s, .maxLength = 30});
    SetColumns({
        {.title = u"회원번호"_s, .field = u"MEMBER_NO"_s, .width = 89, .alignment = Qt::AlignHCenter},
        {.title = u"회원명"_s, .field = u"MEMBER_NAME"_s, .width = 133},
        {.title = u"주민/사업번호"_s, .field = u"ID_NO"_s, .width = 109, .alignment = Qt::AlignHCenter},
        {.title = u"회원구분"_s, .field = u"MEMBER_GROUP_NAME"_s, .width = 123, .alignment = Qt::AlignHCenter},
        {.title = u"성별"_s, .field = u"SEX_NAME"_s, .width = 37, .alignment = Qt::AlignHCenter},
        {.title = u"해약일자"_s, .field = u"CANCEL_DATE"_s, .width = 74, .alignment = Qt::AlignHCenter},
    });
    SetSql(Sql);
    SetBind(u"GC_MEMBER_GROUP_CODE"_s, u"B0001"_s);
    SetBind(u"GC_SEX_CODE"_s, u"Z0008"_s);
    SetOutputs({{.field = u"MEMBER_NO"_s}, {.field = u"MEMBER_NAME"_s}});

    auto *panDetail = new QGroupBox(panBody);
    panDetail->setObjectName(u"panDetail"_s);
    panDetail->setFixedWidth(DetailWidth);
    auto *lines = new QGridLayout(panDetail);
    lines->setVerticalSpacing(4);
    int line = 0;
    for (const DetailLine &detail : DetailLines) {
        if (!detail.label.isEmpty())
            lines->addWidget(new QLabel(detail.label, panDetail), line, 0);
        int column = 1;
        for (const QString &field : detail.fields) {
            auto *edit = new QLineEdit(panDetail);
            edit->setObjectName(EditName(field));
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::NoFocus);
            const bool post = field.endsWith(u"_POST"_s);
            if (post)
                edit->setFixedWidth(PostWidth);
            // A lone field takes the whole line.
            lines->addWidget(edit, line, column, 1, detail.fields.size() == 1 ? 2 : 1);
            ++column;
            m_details.append({field, edit});
        }
        ++line;
    }
    lines->setRowStretch(line, 1);
    m_bodyLayout->addWidget(panDetail);
    m_sideWidth = DetailWidth;
    connect(rgrGrid, &GridView::currentRowChanged, this, [this](int row) { ShowDetails(row); });
    connect(m_grid, &QAbstractItemModel::modelReset, this, [this] { ShowDetails(-1); });
}

void TfrmEZH030::ShowDetails(int row)
{
    for (const auto &[field, edit] : std::as_const(m_details))
        edit->setText(m_grid->value(row, field));
}

bool TfrmEZH030::AcceptsRow(int row)
{
    if (m_grid->value(row, u"CANCEL_DATE"_s).isEmpty())
        return true;
    InfoBox(u"해약된 회원입니다"_s);
    return false;
}

bool PickMember(const QString &typedName, QString &memberNo, QString &memberName, QWidget *parent)
{
    TfrmEZH030 dialog(parent);
    dialog.SetSearchText(0, typedName);
    return RunLookup(dialog, {&memberNo, &memberName});
}
