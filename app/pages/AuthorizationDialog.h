#pragma once

#include <QDialog>

namespace Ui {
class AuthorizationDialog;
}

// Asks for the access password of a locked device. It only collects the
// text; the telemetry page sends it.
class AuthorizationDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AuthorizationDialog(QWidget *parent = nullptr);
    ~AuthorizationDialog() override;

    // The text exactly as typed.
    QString password() const;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_pbShowPassword_toggled(bool shown);

private:
    Ui::AuthorizationDialog *ui;
};
