#pragma once

#include <QWidget>

namespace Ui {
class OpenLogWidget;
}

// A plot with a parameter list below it. The viewer does not create it
// itself; it is constructible through the meta-object system.
class OpenLogWidget : public QWidget
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit OpenLogWidget(QWidget *parent = nullptr);
    ~OpenLogWidget() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::OpenLogWidget *ui;
};
