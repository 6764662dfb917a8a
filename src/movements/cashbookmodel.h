#pragma once

#include "cashbook.h"

#include <QAbstractTableModel>
#include <QList>

// The rows of the cash book list: "Nº Nota", Data, Descricao, Credito, Debito. The sort role
// gives the raw values, so dates and amounts sort as such.
class CashBookModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CodigoNota, Data, Descricao, Credito, Debito, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;
    static constexpr int ControleRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QList<CashBookRow> rows);
    const QList<CashBookRow>& rows() const { return m_rows; }
    const CashBookRow& row(int index) const { return m_rows.at(index); }
    // Index of the row with this Controle, or -1.
    int indexOf(int controle) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<CashBookRow> m_rows;
};
