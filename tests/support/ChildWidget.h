#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// The child widget of that object name; a missing one ends the test run.
template <typename T>
T *child(QObject *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}
