#pragma once

class QTableView;

// Moving through the rows of a grid, as the navigators of the cash book windows do.
namespace grid {

// The current row, or -1 when there is none.
int position(const QTableView* view);
// Makes the row current (clamped to the rows there are), keeping the current column.
void moveTo(QTableView* view, int row);

} // namespace grid
