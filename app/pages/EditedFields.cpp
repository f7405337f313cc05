#include "EditedFields.h"

#include "Diagnostics.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

EditedFields::EditedFields(QObject *parent) : QObject(parent)
{
}

void EditedFields::watch(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        watchOne(widget);
}

void EditedFields::watchOne(QWidget *widget)
{
    const auto mark = [this, widget] { markEdited(widget); };
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        // Only the user's typing: setText does not emit it.
        connect(edit, &QLineEdit::textEdited, this, mark);
        return;
    }
    if (auto *box = qobject_cast<QComboBox *>(widget)) {
        // Every pick, also of the item already shown.
        connect(box, &QComboBox::activated, this, mark);
        return;
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        connect(button, &QAbstractButton::toggled, this, mark);
        return;
    }
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget)) {
        // Typing over the value shown leaves the value as it was but is the
        // user's all the same; stepping changes the value without typing.
        if (auto *text = spin->findChild<QLineEdit *>())
            connect(text, &QLineEdit::textEdited, this, mark);
        if (auto *box = qobject_cast<QSpinBox *>(spin))
            connect(box, &QSpinBox::valueChanged, this, mark);
        else if (auto *box = qobject_cast<QDoubleSpinBox *>(spin))
            connect(box, &QDoubleSpinBox::valueChanged, this, mark);
        else if (auto *box = qobject_cast<QDateTimeEdit *>(spin))
            connect(box, &QDateTimeEdit::dateTimeChanged, this, mark);
        return;
    }
    qCWarning(lcUi) << "edits of a" << widget->metaObject()->className() << "are not followed";
}

bool EditedFields::isEdited(const QWidget *widget) const
{
    return !m_filled || m_edited.contains(widget);
}

void EditedFields::markEdited(const QWidget *widget)
{
    if (!m_filling)
        m_edited.insert(widget);
}
