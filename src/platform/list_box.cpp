#include "list_box.h"

#include "program_error.h"

namespace vorn {

void ListBox::checkRow(int row, const char* operation) const {
    if (row < 0 || row >= ListCount())
        throw ProgramError(QStringLiteral("%1.%2(%3): no such row (ListCount %4)")
                               .arg(Name, QLatin1String(operation))
                               .arg(row)
                               .arg(ListCount()));
}

QString ListBox::List(int row) const {
    checkRow(row, "List");
    return items_[row];
}

void ListBox::setList(int row, const QString& text) {
    checkRow(row, "List");
    items_[row] = text;
}

void ListBox::setListIndex(int row) {
    if (row != -1) checkRow(row, "ListIndex");
    listIndex_ = row;
}

void ListBox::RemoveItem(int row) {
    checkRow(row, "RemoveItem");
    items_.removeAt(row);
    if (listIndex_ == row)
        listIndex_ = -1;
    else if (listIndex_ > row)
        --listIndex_;
}

void ListBox::Clear() {
    items_.clear();
    listIndex_ = -1;
}

} // namespace vorn
