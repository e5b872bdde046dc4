#include "EZS000.h"
#include "SearchChecks.h"

#include "CancelKeys.h"
#include "CodeCombo.h"
#include "CodeServices.h"
#include "GridModel.h"
#include "GridView.h"
#include "InputEdits.h"
#include "Modal.h"
#include "Routines.h"
#include "SaveTransaction.h"
#include "ZZP010.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QSqlRecord>
#include <QCheckBox>
#include <QDateEdit>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QBoxLayout>
#include <QStackedWidget>

#include <memory>

using namespace Qt::StringLiterals;

TfrmEZS000::TfrmEZS000(const QString &formName, const QString &caption, QWidget *parent)
    : TfrmEZS000(Def{.form = formName, .caption = caption}, parent)
{
}

TfrmEZS000::TfrmEZS000(const Def &def, QWidget *parent)
    : TfrmZZS020(def.form, def.caption, def.report, parent), m_workDate(TodayKey())
{
    panSearch->setFixedHeight(44);
    panSearch->setFont(ScreenFont(13));
    bbtSearch->setFixedSize(93, 29);

    bbtCancel = AddButton(u"bbtCancel"_s, u"취소(F8)"_s, bbtExcel);
    OnClick(bbtCancel, [this] { bbtCancelClick(); });
    AddHotkey(QKeySequence(Qt::Key_F8), u"취소"_s, [this] { bbtCancel->click(); });

    rgrGrid->setColours({.selectedBackground = QColor(0x88, 0x88, 0xFF),
                         .selectedText = Qt::white,
                         .titleBackground = QColor(0x66, 0x66, 0xFF),
                         .titleText = Qt::white,
                         .cellBackground = QColor(0xCC, 0xCC, 0xFF),
                         .readOnlyBackground = {}});
    rgrGrid->setFooterVisible(true);
    // The footer is read where the list is, so that they agree.
    qryFooter.setStreamed(true);
    qryFooter.setServer(DataModule::Server::Replica);
}

void TfrmEZS000::ResetFooters()
{
    qryFooter.close();
    cdsQuery->resetFooters(u"0"_s);
}

void TfrmEZS000::CloseQueries()
{
    TfrmZZS020::CloseQueries();
    qryFooter.close();
}

void TfrmEZS000::SetQuery(const QString &sql, const Binds &fixed)
{
    m_list = {sql, fixed};
    qryQuery.setSql(Composed(m_list, Filters::None));
}

void TfrmEZS000::SetFooterQuery(const QString &sql, const Binds &fixed)
{
    m_footer = {sql, fixed};
    qryFooter.setSql(Composed(m_footer, Filters::None));
}

QString TfrmEZS000::Composed(const Query &query, Filters filters) const
{
    QString conditions;
    if (filters != Filters::None)
        for (const Field &field : SearchFields()) {
            if (field.def.condition.isEmpty())
                continue;
            if (filters == Filters::All || !ControlValue(field.control).trimmed().isEmpty())
                conditions += u"\nAND    "_s + field.def.condition;
        }
    return QString(query.sql).replace(u"{filters}"_s, conditions);
}

void TfrmEZS000::Prepare(SqlQuery &query, const Query &def)
{
    if (def.sql.isEmpty())
        return;
    query.setSql(Composed(def, Filters::Holding));
    for (const auto &[name, value] : def.fixed)
        query.bind(name, value);
}

QStringList TfrmEZS000::ContractSql() const
{
    QStringList texts = TfrmZZS020::ContractSql();
    if (!qryFooter.sql().isEmpty())
        texts.append(qryFooter.sql());
    return texts;
}

QList<TfrmZZI000::ContractQuery> TfrmEZS000::ContractQueries() const
{
    QList<ContractQuery> queries;
    const auto add = [&](const QString &sql, const Binds &fixed) {
        QHash<QString, QString> values;
        for (const auto &[name, value] : fixed)
            values.insert(name.toUpper(), value);
        queries.append({sql, values});
    };
    bool optional = false;
    for (const Field &field : SearchFields())
        optional = optional || !field.def.condition.isEmpty();
    if (optional && !m_list.sql.isEmpty() && !m_list.sql.contains(u"{filters}"_s))
        queries.append({m_list.sql, {}, u"fields have conditions, but the list's SQL has no {filters}"_s});
    for (const Query *query : {&m_list, &m_footer}) {
        if (query->sql.isEmpty())
            continue;
        add(Composed(*query, Filters::None), query->fixed);
        if (const QString all = Composed(*query, Filters::All); all != Composed(*query, Filters::None))
            add(all, query->fixed);
    }
    // A screen that sets its query text itself.
    if (m_list.sql.isEmpty() && !qryQuery.sql().isEmpty())
        add(qryQuery.sql(), {});
    if (m_footer.sql.isEmpty() && !qryFooter.sql().isEmpty())
        add(qryFooter.sql(), {});
    return queries;
}

void TfrmEZS000::FillConditions(TfrmZZP010 &report)
{
    QList<std::pair<QString, QString>> lines[3];
    for (const Field &field : SearchFields())
        if (field.def.printLine >= 1 && field.def.printLine <= 3 && !field.def.caption.isEmpty())
            lines[field.def.printLine - 1].append({field.def.caption, field.printed()});
    if (!lines[0].isEmpty())
        report.SetCondition1(TfrmZZP010::ConditionText(lines[0]));
    if (!lines[1].isEmpty())
        report.SetCondition2(TfrmZZP010::ConditionText(lines[1]));
    if (!lines[2].isEmpty())
        report.SetCondition(TfrmZZP010::ConditionText(lines[2]));
}

QString TfrmEZS000::WorkDate() const
{
    for (const Field &field : SearchFields())
        if (field.def.name == u"dtpDate"_s)
            return ControlValue(field.control);
    return m_workDate;
}

bool TfrmEZS000::bbtSearchClick()
{
    QWidget *starter = QApplication::focusWidget();
    if (starter && !isAncestorOf(starter))
        starter = nullptr;
    if (!PassSearchChecks(SearchFields(), SearchChecks()))
        return false;
    ResetFooters();
    Prepare(qryQuery, m_list);
    Prepare(qryFooter, m_footer);
    PrepareSearch();
    cdsQuery->close();
    BindSearchValues(qryQuery);
    {
        const ServerWait wait(this);
        const CancelKeys cancelKeys(this);
        OpenList();
    }
    if (!qryFooter.sql().isEmpty()) {
        BindSearchValues(qryFooter);
        qryFooter.exec();
        if (qryFooter.next()) {
            const QSqlRecord record = qryFooter.record();
            for (int i = 0; i < record.count(); ++i)
                if (const int column = cdsQuery->columnOf(record.fieldName(i)); column >= 0)
                    cdsQuery->setFooter(column, qryFooter.value(i));
        }
        qryFooter.close();
    }
    if (cdsQuery->rowCount() > 0) {
        rgrGrid->setFocus(Qt::OtherFocusReason);
        rgrGrid->setCurrentRow(0);
    } else {
        InfoBox(u"조회할 내용이 없습니다."_s);
        if (QWidget *next = NextInTabOrder(starter))
            next->setFocus(Qt::TabFocusReason);
    }
    return TfrmZZS020::bbtSearchClick();
}

void TfrmEZS000::ReportOpened(TfrmZZP010 &report)
{
    if (qryFooter.sql().isEmpty())
        return;
    qryFooter.close();
    const QHash<QString, QString> binds = qryQuery.binds();
    for (auto it = binds.begin(); it != binds.end(); ++it)
        qryFooter.bind(it.key(), it.value());
    for (const auto &[name, value] : m_footer.fixed)
        qryFooter.bind(name, value);
    qryFooter.exec();
    if (qryFooter.next()) {
        const QSqlRecord record = qryFooter.record();
        for (int i = 0; i < record.count(); ++i)
            report.SetText(record.fieldName(i).toUpper(), qryFooter.value(i));
    }
    qryFooter.close();
}

bool TfrmEZS000::bbtCancelClick()
{
    if (!CommonStart(bbtCancel))
        return false;
    cdsQuery->close();
    ResetFooters();
    FocusFirstIn(panSearch);
    return true;
}

void TfrmEZS000::keyPressEvent(QKeyEvent *event)
{
    if (!HandleEnterKey(event, bbtSearch, [this] { bbtSearchClick(); }))
        TfrmZZS020::keyPressEvent(event);
}

void TfrmEZS000::edtEnter(QWidget *control)
{
    TfrmZZS020::edtEnter(control);
    ColourAlways(control, true);
}

void TfrmEZS000::edtExit(QWidget *control)
{
    TfrmZZS020::edtExit(control);
    ColourAlways(control, false);
}

QStackedWidget *TfrmEZS000::AddConditionPages(QComboBox *list, const QList<QList<FieldDef>> &pages)
{
    auto *stack = new QStackedWidget(panSearch);
    stack->setObjectName(u"panCondition"_s);
    AddToSearchBar(stack);
    auto controls = std::make_shared<QList<QList<QWidget *>>>();
    for (const QList<FieldDef> &fields : pages) {
        auto *page = new QWidget(stack);
        stack->addWidget(page);
        AddSearchFields(fields, page);
        if (auto *box = qobject_cast<QBoxLayout *>(page->layout()))
            box->addStretch();
        QList<QWidget *> held;
        for (qsizetype i = SearchFields().size() - fields.size(); i < SearchFields().size(); ++i)
            for (QWidget *control : {SearchFields().at(i).control, SearchFields().at(i).second})
                if (control)
                    held.append(control);
        controls->append(held);
    }
    connect(list, &QComboBox::currentIndexChanged, stack, [stack, controls](int shown) {
        stack->setCurrentIndex(std::max(shown, 0));
        for (int p = 0; p < controls->size(); ++p)
            if (p != shown)
                for (QWidget *control : std::as_const(controls->at(p)))
                    ClearControl(control);
    });
    return stack;
}
