#include "gridposition.h"

#include <QAbstractItemModel>
#include <QTableView>

#include <algorithm>

namespace grid {

int position(const QTableView* view)
{
    const QModelIndex current = view->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void moveTo(QTableView* view, int row)
{
    const int count = view->model()->rowCount();
    if (count == 0)
        return;
    row = std::clamp(row, 0, count - 1);
    const int column = std::max(0, view->currentIndex().column());
    view->setCurrentIndex(view->model()->index(row, column));
    view->scrollTo(view->currentIndex());
}

} // namespace grid
