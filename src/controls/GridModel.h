#pragma once

#include "ColumnDef.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <memory>

class SqlQuery;

// The rows behind a grid: records of text fields (every field of the query,
// shown or not) and the columns that show some of them. Rows come from a
// query, fetched 100 at a time as the view needs them, or are added by the
// screen. Pick-list columns show labels and hold codes.
//
// It also keeps the row log both entry bases save from: every row's values
// as the server holds them, whether it was read, changed or added, and the
// stored rows removed since the last load or save.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int FetchSize = 100;
    // Role of the stored value (the code of a pick-list column).
    static constexpr int ValueRole = Qt::UserRole + 1;
    // Header data: the column's group heading.
    static constexpr int GroupRole = Qt::UserRole + 2;

    explicit GridModel(QObject *parent = nullptr);
    ~GridModel() override;

    void setColumns(const QList<ColumnDef> &columns);
    const QList<ColumnDef> &columns() const { return m_columns; }
    const ColumnDef &column(int column) const { return m_columns.at(column); }
    // Position of the column that shows a field, -1 when none does.
    int columnOf(const QString &field) const;
    void setColumnVisible(int column, bool visible);
    void setColumnReadOnly(int column, bool readOnly);

    PickList &pickList(int column) { return m_pickLists[column]; }
    const PickList &pickList(int column) const { return m_pickLists.at(column); }
    // Call after filling a pick list, so that cells show the new labels.
    void pickListChanged(int column);

    // Reads the rows of an executed query: its fields become the record
    // fields, columns' fields not in the query are added as empty fields.
    void setQuery(std::unique_ptr<SqlQuery> query);
    // Tells the views that rows changed wholesale (after edits made with
    // signals blocked).
    void refresh();
    // Drops every row and the query; the grid is closed.
    void close();
    // Open: a query was read (possibly with no row) or rows were added.
    bool isOpen() const { return m_open; }
    // Marks an empty grid as open (rows will be added by hand).
    void open();
    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;
    void fetchAll();
    // Why the rows stopped before the end of a streamed result; empty when
    // every row came (or are still to come).
    const QString &fetchFailure() const { return m_fetchFailure; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Record access by field name (case-insensitive).
    const QStringList &fields() const { return m_fields; }
    int fieldIndex(const QString &field) const;
    // Adds a record field that no query or column has (a screen's own state).
    int addField(const QString &field);
    QString value(int row, const QString &field) const;
    // By the field's index, for loops over many rows.
    QString value(int row, int field) const;
    // Sets a field's text; a column's data width cuts it. Emits valueChanged
    // when the text changed.
    void setValue(int row, const QString &field, const QString &value);
    // The text a column shows: the label for a pick-list column.
    QString displayText(int row, int column) const;

    // Adds an empty record at `row` (-1: at the end) and returns its position.
    int insertRecord(int row = -1);
    void removeRecord(int row);
    // Reorders the records by a column's stored text (numbers by value when
    // both texts are numbers); records with equal texts keep their order.
    void sortRecords(int column, Qt::SortOrder order);
    QStringList record(int row) const { return m_rows.at(row).values; }

    // The row log. Rows a query brought are Stored; a screen marks one
    // Changed; rows added on the screen are Inserted until acceptRecords().
    // Each row changed, added and marked, or stored and removed, has its
    // place in the order it was first logged.
    enum class RowStatus { Stored, Changed, Inserted };
    struct DeletedRecord
    {
        QStringList read; // by fields()
        int row = -1;     // where it stood
        int logged = 0;   // its place in the log
    };
    RowStatus rowStatus(int row) const;
    bool isStoredRow(int row) const { return rowStatus(row) != RowStatus::Inserted; }
    // A field as the server holds it (empty for an added row).
    QString readValue(int row, const QString &field) const;
    // Logs a row: a stored one becomes Changed; it takes its place in the
    // log the first time, and its values count as logged.
    void markChanged(int row);
    // Whether the row has a place in the log.
    bool isLogged(int row) const { return m_rows.at(row).logged > 0; }
    // Whether a value changed since the row was read, logged or accepted.
    bool isEdited(int row) const { return m_rows.at(row).edited; }
    // The log in its order: each entry a row (row >= 0) or a removed stored
    // row (deleted >= 0, an index of deletedRecords()).
    struct LogEntry
    {
        int row = -1;
        int deleted = -1;
    };
    QList<LogEntry> log() const;
    // Stored rows removed since the last load or acceptRecords(), as read.
    const QList<DeletedRecord> &deletedRecords() const { return m_deleted; }
    // Puts a removed stored row back where it stood; its new position.
    int restoreDeleted(int index);
    // After a save: every row is what the server now holds.
    void acceptRecords();

    // Footer texts, one per column; empty when none.
    QString footer(int column) const { return m_footers.value(column); }
    void setFooter(int column, const QString &text);
    void resetFooters(const QString &text = {});

signals:
    void valueChanged(int row, const QString &field);
    void footersChanged();

private:
    QList<ColumnDef> m_columns;
    QList<PickList> m_pickLists;
    QList<int> m_columnFields; // field index of each column
    QStringList m_fields;
    struct Record
    {
        QStringList values;
        QStringList read;
        RowStatus status = RowStatus::Inserted;
        int logged = 0;
        bool edited = false;
    };
    QList<Record> m_rows;
    QList<DeletedRecord> m_deleted;
    int m_logCount = 0;
    QStringList m_footers;
    std::unique_ptr<SqlQuery> m_query;
    QString m_fetchFailure;
    bool m_open = false;

    void mapColumns();
    bool readBatch(int count);
};
