#pragma once

#include <QListWidgetItem>

// A list item that sorts by the number its text starts with: the first
// blank-separated word of both texts, taken as numbers when both are; by text
// otherwise. So session 10 sorts above session 7.
class NumericSortWidgetItem : public QListWidgetItem
{
public:
    using QListWidgetItem::QListWidgetItem;

    bool operator<(const QListWidgetItem &other) const override;
};
