#include "NumericSortWidgetItem.h"

namespace {

QString firstWord(const QString &text)
{
    return text.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
}

} // namespace

bool NumericSortWidgetItem::operator<(const QListWidgetItem &other) const
{
    bool leftOk = false;
    bool rightOk = false;
    const double left = firstWord(text()).toDouble(&leftOk);
    const double right = firstWord(other.text()).toDouble(&rightOk);
    if (leftOk && rightOk)
        return left < right;
    return QListWidgetItem::operator<(other);
}
