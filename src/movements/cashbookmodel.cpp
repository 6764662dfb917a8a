#include "cashbookmodel.h"

#include "app/brformat.h"

using namespace Qt::StringLiterals;

void CashBookModel::setRows(QList<CashBookRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int CashBookModel::indexOf(int controle) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows.at(i).controle == controle)
            return i;
    return -1;
}

int CashBookModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CashBookModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CashBookModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const CashBookRow& r = m_rows.at(index.row());
    if (role == ControleRole)
        return r.controle;
    if (role == Qt::TextAlignmentRole)
        return index.column() == Credito || index.column() == Debito ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                                     : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    const bool display = role == Qt::DisplayRole;
    switch (index.column()) {
    case CodigoNota:
        return r.codigoNota;
    case Data:
        return display ? QVariant(br::date(r.data)) : QVariant(r.data);
    case Descricao:
        return r.descricao;
    case Credito:
        return display ? QVariant(br::money(r.credito)) : QVariant(r.credito);
    case Debito:
        return display ? QVariant(br::money(r.debito)) : QVariant(r.debito);
    default:
        return {};
    }
}

QVariant CashBookModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case CodigoNota:
        return u"Nº Nota"_s;
    case Data:
        return u"Data"_s;
    case Descricao:
        return u"Descricao"_s;
    case Credito:
        return u"Credito"_s;
    case Debito:
        return u"Debito"_s;
    default:
        return {};
    }
}
