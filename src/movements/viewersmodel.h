#pragma once

#include "viewers.h"

#include <QAbstractTableModel>
#include <QList>
#include <QMap>

// Rows of a viewer grid. Editable columns keep what is typed as a pending change of one row
// until the window stores it (post) or drops it (cancel), as a data-aware grid does.
class ViewerModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int SortRole = Qt::UserRole;

    explicit ViewerModel(QList<ViewerColumn> columns, QObject* parent = nullptr);

    const QList<ViewerColumn>& columns() const { return m_columns; }
    void setRows(QList<ViewerRow> rows);
    const ViewerRow& row(int index) const { return m_rows.at(index); }
    void replaceRow(int index, ViewerRow row);
    int indexOf(int key) const;

    // The row with a pending change, or -1.
    int pendingRow() const { return m_pendingRow; }
    // What the cell shows: the pending text when there is one.
    QString text(int row, int column) const;
    // Starts a pending change of the row (nothing typed yet).
    void beginEdit(int row);
    void cancelEdit();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    void pendingChanged(int row);

private:
    QList<ViewerColumn> m_columns;
    QList<ViewerRow> m_rows;
    int m_pendingRow = -1;
    QMap<int, QString> m_pending; // column -> typed text
};
