#include "ProgressMessageBox.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWindow>

namespace {
// How long the constructor waits at most for the window system to map the
// window, so the dialog is painted before the caller starts its work.
constexpr int kExposeWaitMs = 500;
}

ProgressMessageBox::ProgressMessageBox()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
    , progressBar(new QProgressBar(this))
{
    setMinimumWidth(360);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(progressBar);
    progressBar->setValue(0);

    show();
    QElapsedTimer waited;
    waited.start();
    QCoreApplication::processEvents();
    while (windowHandle() && !windowHandle()->isExposed() && waited.elapsed() < kExposeWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (windowHandle() && windowHandle()->isExposed())
        repaint();
}

ProgressMessageBox::~ProgressMessageBox() = default;

void ProgressMessageBox::setValue(int value)
{
    progressBar->setValue(value);
    QCoreApplication::processEvents();
}

void ProgressMessageBox::setMaximum(int maximum)
{
    progressBar->setMaximum(maximum);
}

int ProgressMessageBox::value() const
{
    return progressBar->value();
}

void ProgressMessageBox::closeEvent(QCloseEvent *event)
{
    // Only destruction ends the dialog.
    event->ignore();
}

void ProgressMessageBox::keyPressEvent(QKeyEvent *event)
{
    // Escape would reject (and hide) the dialog.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
