#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Answers every modal message box that comes up while it lives, with the
// given button, and keeps "title|text" of each.
class MessageBoxAnswerer : public QObject
{
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : m_answer(answer)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen << box->windowTitle() + QLatin1Char('|') + box->text();
            if (QAbstractButton *button = box->button(m_answer))
                button->click();
            else
                box->reject();
        });
        m_timer.start(20);
    }

    QStringList seen;

private:
    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
};
