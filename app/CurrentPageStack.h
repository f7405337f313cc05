#pragma once

#include <QStackedWidget>

// A page stack whose size hints are those of the page it shows, not of its
// largest page: in a scroll area a short page then needs no scrolling
// because a long page sits behind it.
class CurrentPageStack : public QStackedWidget
{
    Q_OBJECT

public:
    explicit CurrentPageStack(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};
