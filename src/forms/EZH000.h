#pragma once

#include "ColumnDef.h"
#include "ZZH020.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <initializer_list>

class TextEdit;

// A search field of a lookup: what the operator types is looked for
// anywhere in the column, bound under `bind`.
struct LookupField
{
    QString label;
    QString name;      // objectName of the edit
    QString bind;      // the LIKE placeholder it feeds
    int maxLength = 0; // characters; 0: no limit
    int width = 150;   // pixels
};

// A value OK hands back: a field of the current row; withoutDashes for the
// postal codes, dates and resident numbers the grid shows with dashes.
struct LookupOutput
{
    QString field;
    bool withoutDashes = false;
};

// The detail grid under the master grid, read again for each master row.
// The master row's `keys` fields are bound under their own names, with the
// dialog's fixed binds.
struct LookupDetail
{
    QList<ColumnDef> columns;
    QString sql;
    QStringList keys;
};

// The grid lookups: search fields, a result grid coloured like the search
// screens, the keyboard (F3, F10, F12, Escape, Enter, double click) and OK
// handing back fields of the chosen row.
//
// A lookup declares its columns, SQL, fixed binds, search fields and outputs
// in its constructor; most need nothing else. Search runs at once when the
// dialog first becomes active with something in a search field (or, for a
// lookup without one, when SearchesOnActivation() says so).
class TfrmEZH000 : public TfrmZZH020
{
    Q_OBJECT

public:
    TfrmEZH000(const QString &formName, const QString &caption, QWidget *parent = nullptr);
    ~TfrmEZH000() override;

    // What OK stored, in the order of the outputs; empty after OK on an
    // empty list.
    const QStringList &Outputs() const { return m_outputs; }
    // Puts a text the caller typed so far into a search field.
    void SetSearchText(int field, const QString &text);
    TextEdit *SearchField(int field) const { return m_fields.value(field).edit; }
    GridModel *DetailGrid() const { return m_detail; }

    bool bbtSearchClick() override;

protected:
    void SetColumns(const QList<ColumnDef> &columns);
    void SetSql(const QString &sql) { m_sql = sql; }
    void SetBind(const QString &name, const QString &value) { m_binds.insert(name, value); }
    void SetOutputs(const QList<LookupOutput> &outputs) { m_outputDefs = outputs; }
    TextEdit *AddSearchField(const LookupField &field);
    void SetDetail(const LookupDetail &detail);

    // False refuses the row on OK (after telling the operator why).
    virtual bool AcceptsRow(int row);
    // Whether the first activation searches; by default when a search field
    // holds something, or always for a lookup without search fields.
    virtual bool SearchesOnActivation() const;
    // The row the grid stands on; the first when none is chosen.
    int CurrentRow() const;

    bool StoreResult() override;
    void FormReady() override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    int m_sideWidth = 0; // what a lookup puts beside its grid

private:
    struct Field
    {
        LookupField def;
        TextEdit *edit = nullptr;
    };

    // OK from the grid (double click, Enter): only on a row whose first
    // column shows something.
    void PickFromGrid(int row);
    void ReadDetail(int row);

    QString m_sql;
    QHash<QString, QString> m_binds;
    QList<Field> m_fields;
    QList<LookupOutput> m_outputDefs;
    QStringList m_outputs;
    bool m_activated = false;

    GridView *rgrDetail = nullptr;
    GridModel *m_detail = nullptr;
    LookupDetail m_detailDef;
};

// Runs a lookup through the modal seam; when the operator chose OK, copies
// its outputs, in order, to `outputs` and returns true. Otherwise leaves
// them alone.
bool RunLookup(TfrmEZH000 &dialog, std::initializer_list<QString *> outputs);
