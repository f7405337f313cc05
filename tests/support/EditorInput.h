#pragma once

#include "ChildWidget.h"
#include "DeviceRecords.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <functional>

// Types `text` with key events, characters beyond ASCII included.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

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

// One user action on a form, on its child widget of a name.
using Edit = std::function<void(QWidget *form)>;

inline const Edit untouched = [](QWidget *) {};

inline Edit typing(const char *name, const QString &text)
{
    return [=](QWidget *form) { typeInto(child<QWidget>(form, name), text); };
}

inline Edit picking(const char *name, int index)
{
    return [=](QWidget *form) { pick(child<QComboBox>(form, name), index); };
}

inline Edit toggling(const char *name)
{
    return [=](QWidget *form) {
        QCheckBox *box = child<QCheckBox>(form, name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
    };
}

// One step of a spin box or combo box with the keyboard and one back (the
// other way round at the end of its range): the value shown is the one
// before.
inline Edit steppingAwayAndBack(const char *name)
{
    return [=](QWidget *form) {
        QWidget *widget = child<QWidget>(form, name);
        widget->setFocus();
        const auto shown = [widget] {
            if (auto *box = qobject_cast<QComboBox *>(widget))
                return box->currentText();
            return qobject_cast<QAbstractSpinBox *>(widget)->text();
        };
        const QString before = shown();
        QTest::keyClick(widget, Qt::Key_Up);
        const Qt::Key back = shown() == before ? Qt::Key_Up : Qt::Key_Down;
        if (back == Qt::Key_Up)
            QTest::keyClick(widget, Qt::Key_Down);
        QTest::keyClick(widget, back);
        QCOMPARE(shown(), before);
    };
}

// Into the widget and out again with the keyboard, nothing typed.
inline Edit passingThrough(const char *name)
{
    return [=](QWidget *form) {
        QWidget *widget = child<QWidget>(form, name);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Tab);
    };
}

} // namespace EditorInput

Q_DECLARE_METATYPE(EditorInput::Edit)
