#pragma once

#include "DeviceRecords.h"
#include "PageRig.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

// Typing into the editors' widgets the way a user does.
namespace EditorInput {

// Replaces the text of a line edit or spin box and confirms it.
inline void typeInto(QWidget *widget, const QString &text)
{
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    typeText(widget, text);
    QTest::keyClick(widget, Qt::Key_Return);
}

// Picks an item of a combo box with the keyboard.
inline void pick(QComboBox *box, int index)
{
    box->setFocus();
    while (box->currentIndex() < index)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index)
        QTest::keyClick(box, Qt::Key_Up);
}

template<typename Record>
QByteArray bytes(const Record &record)
{
    return recordBytes(record).toHex(' ');
}

} // namespace EditorInput
