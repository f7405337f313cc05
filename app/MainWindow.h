#pragma once

#include "Languages.h"

#include <QMainWindow>

namespace Ui {
class MainWindow;
}
class QPlainTextEdit;

// The device program's main window.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(const TranslatorList &translators, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Switches the interface language to `code` (see languages::switchLanguage).
    void changeLanguage(const QString &code);

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::MainWindow *ui;
    TranslatorList m_translators;
    QPlainTextEdit *m_logView = nullptr;
};
