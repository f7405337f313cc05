#include "Utf8LengthValidator.h"

#include <QLineEdit>

Utf8LengthValidator::Utf8LengthValidator(int maxBytes, QObject *parent) : QValidator(parent), m_maxBytes(maxBytes)
{
}

void Utf8LengthValidator::limit(QLineEdit *edit, int maxBytes)
{
    edit->setValidator(new Utf8LengthValidator(maxBytes, edit));
}

QValidator::State Utf8LengthValidator::validate(QString &input, int &) const
{
    return input.toUtf8().size() <= m_maxBytes ? Acceptable : Invalid;
}
