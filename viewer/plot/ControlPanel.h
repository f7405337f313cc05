#pragma once

#include "ParameterStats.h"

#include <QMap>
#include <QString>
#include <QWidget>

namespace Ui {
class ControlPanel;
}
class QPushButton;

// The strip below a plot: one column per parameter plus the time column. Row 0
// holds a checkable button that shows or hides the parameter; rows 1 to 5 the
// statistics of the cursor interval and the value under the cursor.
//
// Columns are identified by their name; several columns may share one, and
// every operation taking a name acts on all of them (isParameterEnabled looks
// at the first). The time column is the one named timeColumnName(), a name no
// log can give a parameter; its button shows the translated word "Time" and
// cannot be switched.
class ControlPanel : public QWidget
{
    Q_OBJECT

public:
    explicit ControlPanel(QWidget *parent = nullptr);
    ~ControlPanel() override;

    static QString timeColumnName();

    void addParameter(const QString &name, const ParameterStats &stats);
    bool isParameterEnabled(const QString &name) const;
    void setValues(const QString &name, const ParameterStats &stats);
    void setCursorValue(const QString &name, double value);

    // Value texts of the two column kinds.
    static QString numberText(double value);
    static QString timeText(double seconds);

signals:
    void toggled(QString name, bool isEnabled);

public slots:
    void enable(QString name);
    void disable(QString name);
    void setEnable(QString name, bool isEnabled);
    void clear();

protected:
    void changeEvent(QEvent *event) override;

private:
    QList<int> columnsNamed(const QString &name) const;
    QPushButton *columnButton(int column) const;
    QString columnName(int column) const;
    void setCell(int row, int column, const QString &text);
    // Returns whether toggled was emitted.
    bool applyEnable(const QString &name, bool isEnabled);
    void retranslateTimeButtons();
    void updateMinimumHeight();

    Ui::ControlPanel *ui;
    QMap<QString, ParameterStats> statistics;
};
