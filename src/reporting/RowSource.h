#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class SqlQuery;

namespace report {

// The records a report prints: text values by field name.
class RowSource
{
public:
    virtual ~RowSource() = default;
    virtual int count() const = 0;
    // Empty for a field the records lack.
    virtual QString value(int row, const QString &field) const = 0;
};

// Records held by the report itself; field names are matched without regard
// to case, as the grid and the query do.
class RecordList : public RowSource
{
public:
    RecordList() = default;
    RecordList(const QStringList &fields, const QList<QStringList> &rows = {});

    // Every remaining row of an executed query (a copy of the search
    // screen's query, run again for the print).
    static RecordList fromQuery(SqlQuery &query);

    const QStringList &fields() const { return m_fields; }
    void append(const QStringList &record) { m_rows.append(record); }

    int count() const override { return int(m_rows.size()); }
    QString value(int row, const QString &field) const override;

private:
    QStringList m_fields;
    QHash<QString, int> m_index; // upper-case field -> position
    QList<QStringList> m_rows;
};

// The rows of a grid-like model: anything with rowCount() and
// value(row, field), such as the grid model. A model that fetches rows as
// its view scrolls is read to the end first.
template <typename Model>
class ModelRows : public RowSource
{
public:
    explicit ModelRows(Model &model) : m_model(model)
    {
        if constexpr (requires { model.fetchAll(); })
            model.fetchAll();
    }
    int count() const override { return m_model.rowCount(); }
    QString value(int row, const QString &field) const override { return m_model.value(row, field); }

private:
    Model &m_model;
};

// The records a band prints: a detail band its own record, a group footer
// the records of its group, the summary every record. value() reads the
// last of them.
class Scope
{
public:
    Scope(const RowSource &rows, int first, int last) : m_rows(&rows), m_first(first), m_last(last) {}

    int first() const { return m_first; }
    int last() const { return m_last; }
    int count() const { return m_last < m_first ? 0 : m_last - m_first + 1; }
    const RowSource &rows() const { return *m_rows; }

    // Empty when the scope holds no record.
    QString value(const QString &field) const;
    // The field's numbers added up, as text with as many decimals as the
    // most precise value; texts that are no number count as 0.
    QString sum(const QString &field) const;

private:
    const RowSource *m_rows;
    int m_first;
    int m_last;
};

} // namespace report
