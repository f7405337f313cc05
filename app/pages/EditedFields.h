#pragma once

#include "SettingsRecords.h"

#include <QObject>
#include <QSet>

#include <initializer_list>

class QWidget;

// Which of an editor's widgets the user changed since the editor was last
// filled. Typing (even the value already shown), stepping a spin box away
// and back, picking a combo box item (even the current one) and toggling a
// check box all count; what the editor sets itself while filling does not.
// Before the first fill every widget counts as changed, so an editor that
// was never filled writes its whole form.
class EditedFields : public QObject
{
    Q_OBJECT

public:
    explicit EditedFields(QObject *parent = nullptr);

    // Follows the user's input into these widgets: line edits, spin boxes,
    // date and time edits, combo boxes and check boxes.
    void watch(std::initializer_list<QWidget *> widgets);

    bool isEdited(const QWidget *widget) const;
    // The value a widget shows, with whether the user edited it.
    template <typename T>
    SettingsRecords::Field<T> field(const QWidget *widget, T value) const
    {
        return {std::move(value), isEdited(widget)};
    }

    // Runs fill, which sets the widgets from a record; afterwards no widget
    // counts as changed.
    template <typename Fill>
    void fill(Fill &&fillWidgets)
    {
        m_filling = true;
        fillWidgets();
        m_filling = false;
        m_edited.clear();
        m_filled = true;
    }

private:
    void watchOne(QWidget *widget);
    void markEdited(const QWidget *widget);

    QSet<const QWidget *> m_edited;
    bool m_filling = false;
    bool m_filled = false;
};
