#pragma once

#include <QDialog>

class QProgressBar;

// Small top-level window with one progress bar that a long operation on the
// GUI thread keeps on screen while it runs. It shows itself when created and
// cannot be closed by the user; every setValue processes the pending events,
// so the application stays responsive. Destroying it closes it.
class ProgressMessageBox : public QDialog
{
    Q_OBJECT

public:
    ProgressMessageBox();
    ~ProgressMessageBox() override;

    void setValue(int value);
    void setMaximum(int maximum);
    int value() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QProgressBar *progressBar;
};
