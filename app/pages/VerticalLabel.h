#pragma once

#include <QLabel>

// A label painted turned a quarter to the left: its text reads from bottom
// to top, and its size hints are the plain label's with width and height
// exchanged.
class VerticalLabel : public QLabel
{
    Q_OBJECT

public:
    explicit VerticalLabel(QWidget *parent = nullptr);
    explicit VerticalLabel(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
