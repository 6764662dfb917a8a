#include "viewersmodel.h"

ViewerModel::ViewerModel(QList<ViewerColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
{
}

void ViewerModel::setRows(QList<ViewerRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_pendingRow = -1;
    m_pending.clear();
    endResetModel();
    Q_EMIT pendingChanged(-1);
}

void ViewerModel::replaceRow(int index, ViewerRow row)
{
    m_rows[index] = std::move(row);
    if (index == m_pendingRow) {
        m_pendingRow = -1;
        m_pending.clear();
        Q_EMIT pendingChanged(-1);
    }
    Q_EMIT dataChanged(this->index(index, 0), this->index(index, columnCount() - 1));
}

int ViewerModel::indexOf(int key) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).key == key)
            return i;
    return -1;
}

QString ViewerModel::text(int row, int column) const
{
    if (row == m_pendingRow && m_pending.contains(column))
        return m_pending.value(column);
    return viewers::display(m_rows.at(row).values.value(column), m_columns.at(column).format);
}

void ViewerModel::beginEdit(int row)
{
    if (m_pendingRow == row)
        return;
    m_pendingRow = row;
    m_pending.clear();
    Q_EMIT pendingChanged(row);
}

void ViewerModel::cancelEdit()
{
    const int row = m_pendingRow;
    m_pendingRow = -1;
    m_pending.clear();
    if (row >= 0)
        Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    Q_EMIT pendingChanged(-1);
}

int ViewerModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ViewerModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ViewerModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const ViewerColumn& c = m_columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return text(index.row(), index.column());
    case SortRole:
        return m_rows.at(index.row()).values.value(index.column());
    case Qt::TextAlignmentRole:
        return c.format == ViewerColumn::Format::Money ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool ViewerModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !m_columns.at(index.column()).editable)
        return false;
    const QString typed = value.toString();
    if (typed == text(index.row(), index.column()))
        return true;
    if (m_pendingRow != index.row()) {
        m_pendingRow = index.row();
        m_pending.clear();
    }
    m_pending.insert(index.column(), typed);
    Q_EMIT dataChanged(index, index);
    Q_EMIT pendingChanged(m_pendingRow);
    return true;
}

Qt::ItemFlags ViewerModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_columns.at(index.column()).editable)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant ViewerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= m_columns.size())
        return {};
    return m_columns.at(section).title;
}
