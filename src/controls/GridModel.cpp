#include "GridModel.h"

#include "Cp949.h"
#include "SqlQuery.h"

#include <QLocale>
#include <QSqlRecord>

#include <algorithm>
#include <numeric>

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent) {}

GridModel::~GridModel() = default;

void GridModel::setColumns(const QList<ColumnDef> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_pickLists = QList<PickList>(columns.size());
    m_footers = QStringList(columns.size());
    mapColumns();
    endResetModel();
}

void GridModel::mapColumns()
{
    m_columnFields.clear();
    for (const ColumnDef &column : std::as_const(m_columns))
        m_columnFields.append(column.field.isEmpty() ? -1 : addField(column.field));
}

int GridModel::columnOf(const QString &field) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void GridModel::setColumnVisible(int column, bool visible)
{
    m_columns[column].visible = visible;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void GridModel::setColumnReadOnly(int column, bool readOnly)
{
    m_columns[column].readOnly = readOnly;
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

void GridModel::pickListChanged(int column)
{
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, column), index(rowCount() - 1, column));
}

int GridModel::fieldIndex(const QString &field) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int GridModel::addField(const QString &field)
{
    const int existing = fieldIndex(field);
    if (existing >= 0)
        return existing;
    m_fields.append(field.toUpper());
    for (Record &row : m_rows) {
        row.values.append(QString());
        row.read.append(QString());
    }
    return int(m_fields.size() - 1);
}

void GridModel::setQuery(std::unique_ptr<SqlQuery> query)
{
    beginResetModel();
    m_rows.clear();
    m_deleted.clear();
    m_logCount = 0;
    m_fields.clear();
    const QSqlRecord record = query->record();
    for (int i = 0; i < record.count(); ++i)
        m_fields.append(record.fieldName(i).toUpper());
    mapColumns();
    m_query = std::move(query);
    m_fetchFailure.clear();
    m_open = true;
    readBatch(FetchSize);
    endResetModel();
}

void GridModel::refresh()
{
    beginResetModel();
    endResetModel();
}

void GridModel::close()
{
    beginResetModel();
    m_rows.clear();
    m_deleted.clear();
    m_logCount = 0;
    m_query.reset();
    m_fetchFailure.clear();
    m_open = false;
    endResetModel();
}

void GridModel::open()
{
    m_open = true;
}

bool GridModel::readBatch(int count)
{
    if (!m_query)
        return false;
    const qsizetype queryFields = m_query->record().count();
    int read = 0;
    while (read < count && m_query->next()) {
        QStringList row(m_fields.size());
        for (int i = 0; i < queryFields; ++i)
            row[i] = m_query->value(i);
        m_rows.append({row, row, RowStatus::Stored}); // shared until a value changes
        ++read;
    }
    if (read < count) {
        m_fetchFailure = m_query->streamFailure();
        m_query.reset(); // every row is here, or no more can come
    }
    return read > 0;
}

bool GridModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_query != nullptr;
}

void GridModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || !m_query)
        return;
    const int before = rowCount();
    QList<Record> batch;
    std::swap(batch, m_rows);
    readBatch(FetchSize);
    std::swap(batch, m_rows);
    if (batch.isEmpty())
        return;
    beginInsertRows({}, before, before + int(batch.size()) - 1);
    m_rows.append(batch);
    endInsertRows();
}

void GridModel::fetchAll()
{
    while (canFetchMore())
        fetchMore();
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString GridModel::value(int row, const QString &field) const
{
    return value(row, fieldIndex(field));
}

QString GridModel::value(int row, int field) const
{
    if (field < 0 || field >= m_fields.size() || row < 0 || row >= m_rows.size())
        return {};
    return m_rows.at(row).values.value(field);
}

void GridModel::setValue(int row, const QString &field, const QString &value)
{
    const int f = fieldIndex(field);
    if (f < 0 || row < 0 || row >= m_rows.size())
        return;
    QString text = value;
    const int column = columnOf(field);
    if (column >= 0 && m_columns.at(column).dataWidth > 0)
        text = CutToCp949Bytes(text, m_columns.at(column).dataWidth);
    if (m_rows.at(row).values.at(f) == text)
        return;
    m_rows[row].values[f] = text;
    m_rows[row].edited = true;
    for (int c = 0; c < m_columnFields.size(); ++c)
        if (m_columnFields.at(c) == f)
            emit dataChanged(index(row, c), index(row, c));
    emit valueChanged(row, m_fields.at(f));
}

QString GridModel::displayText(int row, int column) const
{
    const int f = m_columnFields.value(column, -1);
    if (f < 0 || row < 0 || row >= m_rows.size())
        return {};
    const QString &stored = m_rows.at(row).values.at(f);
    const PickList &list = m_pickLists.at(column);
    if (!list.isEmpty())
        return list.labelOf(stored);
    const QString &mask = m_columns.at(column).displayMask;
    // "#,##0": a whole amount with "," between its thousands.
    if (mask == QLatin1String("#,##0")) {
        bool whole = false;
        const qint64 amount = stored.toLongLong(&whole);
        if (!whole)
            return stored;
        QLocale grouped = QLocale::c();
        grouped.setNumberOptions(QLocale::DefaultNumberOptions);
        return grouped.toString(amount);
    }
    if (mask.isEmpty() || mask.count(QLatin1Char('9')) != stored.size())
        return stored;
    QString shown;
    qsizetype next = 0;
    for (QChar c : mask)
        shown += c == QLatin1Char('9') ? stored.at(next++) : c;
    return shown;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::EditRole:
    case ValueRole: {
        const int f = m_columnFields.value(index.column(), -1);
        return f < 0 ? QString() : m_rows.at(index.row()).values.at(f);
    }
    case Qt::TextAlignmentRole:
        return int(m_columns.at(index.column()).alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || (role != Qt::EditRole && role != ValueRole))
        return false;
    const ColumnDef &column = m_columns.at(index.column());
    if (column.field.isEmpty())
        return false;
    setValue(index.row(), column.field, value.toString());
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns.at(section).title;
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (role == GroupRole)
        return m_columns.at(section).group;
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_columns.at(index.column()).readOnly && !m_columns.at(index.column()).field.isEmpty())
        flags |= Qt::ItemIsEditable;
    return flags;
}

int GridModel::insertRecord(int row)
{
    if (row < 0 || row > m_rows.size())
        row = int(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.insert(row, {QStringList(m_fields.size()), QStringList(m_fields.size()), RowStatus::Inserted});
    endInsertRows();
    m_open = true;
    return row;
}

void GridModel::removeRecord(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    const Record removed = m_rows.takeAt(row);
    endRemoveRows();
    if (removed.status != RowStatus::Inserted)
        m_deleted.append({removed.read, row, removed.logged > 0 ? removed.logged : ++m_logCount});
}

GridModel::RowStatus GridModel::rowStatus(int row) const
{
    return m_rows.at(row).status;
}

QString GridModel::readValue(int row, const QString &field) const
{
    const int f = fieldIndex(field);
    return f < 0 ? QString() : m_rows.at(row).read.at(f);
}

void GridModel::markChanged(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    Record &record = m_rows[row];
    if (record.status == RowStatus::Stored)
        record.status = RowStatus::Changed;
    if (record.logged == 0)
        record.logged = ++m_logCount;
    record.edited = false;
}

QList<GridModel::LogEntry> GridModel::log() const
{
    QList<std::pair<int, LogEntry>> entries;
    for (int row = 0; row < m_rows.size(); ++row)
        if (m_rows.at(row).logged > 0)
            entries.append({m_rows.at(row).logged, {.row = row}});
    for (int i = 0; i < m_deleted.size(); ++i)
        entries.append({m_deleted.at(i).logged, {.deleted = i}});
    std::sort(entries.begin(), entries.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<LogEntry> ordered;
    for (const auto &entry : std::as_const(entries))
        ordered.append(entry.second);
    return ordered;
}

void GridModel::acceptRecords()
{
    for (Record &row : m_rows)
        row = {row.values, row.values, RowStatus::Stored};
    m_deleted.clear();
    m_logCount = 0;
}

int GridModel::restoreDeleted(int index)
{
    if (index < 0 || index >= m_deleted.size())
        return -1;
    const DeletedRecord deleted = m_deleted.takeAt(index);
    const int row = std::clamp(deleted.row, 0, int(m_rows.size()));
    beginInsertRows({}, row, row);
    m_rows.insert(row, {deleted.read, deleted.read, RowStatus::Stored});
    endInsertRows();
    return row;
}

void GridModel::sortRecords(int column, Qt::SortOrder order)
{
    const int f = m_columnFields.value(column, -1);
    if (f < 0)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> positions(m_rows.size());
    std::iota(positions.begin(), positions.end(), 0);
    const auto less = [&](int a, int b) {
        const QString &x = m_rows.at(a).values.at(f);
        const QString &y = m_rows.at(b).values.at(f);
        bool xNumber = false;
        bool yNumber = false;
        const double xValue = x.toDouble(&xNumber);
        const double yValue = y.toDouble(&yNumber);
        if (xNumber && yNumber)
            return xValue < yValue;
        return x.localeAwareCompare(y) < 0;
    };
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        return order == Qt::AscendingOrder ? less(a, b) : less(b, a);
    });
    QList<Record> sorted;
    sorted.reserve(m_rows.size());
    QList<int> newPosition(m_rows.size());
    for (int i = 0; i < positions.size(); ++i) {
        sorted.append(m_rows.at(positions.at(i)));
        newPosition[positions.at(i)] = i;
    }
    m_rows = sorted;
    QModelIndexList after;
    for (const QModelIndex &index : before)
        after.append(index.isValid() ? this->index(newPosition.at(index.row()), index.column()) : index);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void GridModel::setFooter(int column, const QString &text)
{
    if (column < 0 || column >= m_footers.size() || m_footers.at(column) == text)
        return;
    m_footers[column] = text;
    emit footersChanged();
}

void GridModel::resetFooters(const QString &text)
{
    for (int c = 0; c < m_footers.size(); ++c)
        m_footers[c] = c == 0 ? m_footers.at(c) : text;
    emit footersChanged();
}
