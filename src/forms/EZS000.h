#pragma once

#include "ZZS020.h"

class QComboBox;
class QDateEdit;
class QStackedWidget;

// The base of every search screen of this module: Cancel, Enter-key
// navigation, footers reset on every search, the working date and the
// grid colours.
//
// A search screen is a declaration: its search fields (AddSearchFields:
// the condition an optional field adds, its "[전체]" entry and the printed
// line it reads on), its columns with their print part (cdsQuery->setColumns),
// the list's SQL with its fixed binds beside it (SetQuery) and the layout
// factory it was made with. From these the base checks the search bar
// (required fields, then the checks of each field's kind, then the screen's
// SearchChecks), writes the conditions of the fields that hold a value where
// the SQL says "{filters}" (each as "\nAND    " + condition), binds every
// search field under its field name and the fixed values, and runs the
// query into the grid. The footer query (SetFooterQuery), when set, runs
// with the same binds: each column of its one row sets the footer of the
// grid column showing the field of that name. Printed, the layout gets the
// condition lines of the search bar ("caption: value" on each field's line),
// and the footer query runs again with the values of the last search, each
// of its columns setting the layout's item of that name (a total in the
// summary).
//
//   TfrmEBS070::TfrmEBS070(QWidget *parent)
//       : TfrmEZS000({.form = u"frmEBS070"_s, .caption = u"..."_s, .report = ListReport<TfrmEBP070>}, parent)
//   {
//       AddSearchFields({{.name = u"cboArea"_s, .caption = u"*지역구분"_s, .kind = FieldKind::Code, ...}});
//       cdsQuery->setColumns({...});
//       SetQuery(uR"sql(SELECT ... WHERE m.area_gubun = :AREA_GUBUN{filters} ...)sql"_s,
//                {{u"GC_EQUIP_GUBUN_CODE"_s, u"E0009"_s}});
//   }
class TfrmEZS000 : public TfrmZZS020
{
    Q_OBJECT

public:
    using Binds = QList<std::pair<QString, QString>>;

    struct Def
    {
        QString form;    // "frm" + the screen id
        QString caption;
        ReportFactory report; // none: the screen prints nothing
    };

    TfrmEZS000(const Def &def, QWidget *parent = nullptr);
    TfrmEZS000(const QString &formName, const QString &caption, QWidget *parent = nullptr);

    // F3: footers to "0", the list read again, the focus into the grid (or
    // "조회할 내용이 없습니다." for no row), then the inherited Search. The
    // query runs before the Search button's availability is checked.
    bool bbtSearchClick() override;
    // F8: closes the list, resets the footers, focus to the first search field.
    virtual bool bbtCancelClick();

    // The working date as 'YYYYMMDD'; today until a picker changes it.
    QString WorkDate() const;

    // The queries as the last search ran them.
    QStringList ContractSql() const override;
    // Each query with no optional condition and with all of them, and its fixed binds.
    QList<ContractQuery> ContractQueries() const override;

    void edtEnter(QWidget *control) override;
    void edtExit(QWidget *control) override;

protected:
    // The list's query and the footer query, each with the values bound
    // whatever the search bar holds (the code groups of "GC_" names).
    void SetQuery(const QString &sql, const Binds &fixed = {});
    void SetFooterQuery(const QString &sql, const Binds &fixed = {});

    // A condition list's pages: one page of search fields per entry of
    // `list`, shown as the list's choice changes; a page left behind is
    // emptied, so that what it held neither filters nor is checked.
    QStackedWidget *AddConditionPages(QComboBox *list, const QList<QList<FieldDef>> &pages);

    // The screen's own checks of the search bar, after those of its fields.
    virtual QList<RowCheck> SearchChecks() { return {}; }
    // After the checks passed and before the values are bound: binds the
    // search bar does not hold.
    virtual void PrepareSearch() {}
    // Each printed field's "caption: value" on its line.
    void FillConditions(TfrmZZP010 &report) override;
    void ReportOpened(TfrmZZP010 &report) override;

    // Every footer but the first to "0", and qryFooter closed.
    void ResetFooters();
    void CloseQueries() override;

    // edtKeyPress: Enter on an input control moves to the next control and
    // runs Search when that is the Search button; the key is dropped.
    void keyPressEvent(QKeyEvent *event) override;

    QPushButton *bbtCancel = nullptr;
    QDateEdit *dtpDate = nullptr;
    SqlQuery qryFooter;

private:
    struct Query
    {
        QString sql;
        Binds fixed;
    };
    // The query's text with the conditions of `active` (all, none or those holding a value).
    enum class Filters { Holding, None, All };
    QString Composed(const Query &query, Filters filters) const;
    void Prepare(SqlQuery &query, const Query &def);

    QString m_workDate;
    Query m_list;
    Query m_footer;
};

// The layout factory of a list layout made from the grid's columns.
template <class Layout>
std::unique_ptr<TfrmZZP010> ListReport(const QList<ColumnDef> &columns)
{
    return std::make_unique<Layout>(columns);
}
