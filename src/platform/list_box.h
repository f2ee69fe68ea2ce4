#pragma once
// A list box: an ordered list of strings with 0-based rows and a selected row.
// Reading or replacing a row that does not exist throws, naming list and row.

#include "control.h"

#include <QString>
#include <QStringList>

namespace vorn {

class ListBox : public Control {
public:
    ListBox() { BackColor = kSystemWindow; }

    QString List(int row) const; // a copy: callers go on writing the list
    void setList(int row, const QString& text);
    int ListCount() const { return static_cast<int>(items_.size()); }

    int ListIndex() const { return listIndex_; }
    void setListIndex(int row); // -1 selects nothing

    void AddItem(const QString& text) { items_.append(text); }
    void RemoveItem(int row);
    void Clear();

    const QStringList& items() const { return items_; }

private:
    void checkRow(int row, const char* operation) const;

    QStringList items_;
    int listIndex_ = -1;
};

} // namespace vorn
