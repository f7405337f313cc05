#include "AuthorizationDialog.h"
#include "ui_AuthorizationDialog.h"

#include <QEvent>

AuthorizationDialog::AuthorizationDialog(QWidget *parent) : QDialog(parent), ui(new Ui::AuthorizationDialog)
{
    ui->setupUi(this);
}

AuthorizationDialog::~AuthorizationDialog()
{
    delete ui;
}

QString AuthorizationDialog::password() const
{
    return ui->lePassword->text();
}

void AuthorizationDialog::on_pbShowPassword_toggled(bool shown)
{
    ui->lePassword->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
}

void AuthorizationDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
