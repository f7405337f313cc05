#include "IntStringDelegate.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

QWidget *IntStringDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QLineEdit(parent);
    editor->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), editor));
    editor->setMaxLength(2);
    return editor;
}

void IntStringDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QLineEdit *>(editor)->setText(index.data(Qt::EditRole).toString());
}

void IntStringDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QLineEdit *>(editor)->text(), Qt::EditRole);
}

void IntStringDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                             const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
