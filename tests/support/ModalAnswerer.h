#pragma once

#include "ChildWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers each modal dialog of type T that comes up while it lives, as a
// user would: every 20 ms it looks at the active modal widget and, when that
// is a T, counts it, keeps its title and (for a message box) its text, and
// runs `answer` on it. It also answers inside the dialog's own event loop,
// so a dialog a click opens is answered before the click returns.
template <typename T>
class ModalAnswerer
{
public:
    explicit ModalAnswerer(std::function<void(T *)> answer)
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, answer] {
            auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            ++count;
            titles << dialog->windowTitle();
            const auto *box = qobject_cast<QMessageBox *>(dialog);
            texts << (box ? box->text() : QString());
            answer(dialog);
        });
        m_timer.start(20);
    }
    ModalAnswerer(const ModalAnswerer &) = delete;
    ModalAnswerer &operator=(const ModalAnswerer &) = delete;

    // "title|text" of each dialog answered, in order.
    QStringList seen() const
    {
        QStringList result;
        for (int i = 0; i < titles.size(); ++i)
            result << titles.at(i) + QLatin1Char('|') + texts.at(i);
        return result;
    }

    int count = 0;
    QStringList titles;
    QStringList texts;

private:
    QTimer m_timer;
};

// Clicks that button of a message box; a box without it is accepted.
inline std::function<void(QMessageBox *)> clickButton(QMessageBox::StandardButton button)
{
    return [button](QMessageBox *box) {
        if (QAbstractButton *b = box->button(button))
            b->click();
        else
            box->accept();
    };
}

// Picks `path` in a file dialog, typed into its file name field as a user
// would; an empty path cancels the dialog.
inline std::function<void(QFileDialog *)> pickFile(const QString &path)
{
    return [path](QFileDialog *dialog) {
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        child<QLineEdit>(dialog, "fileNameEdit")->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}
