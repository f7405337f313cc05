#pragma once

#include <QValidator>

class QLineEdit;

// Holds a line edit to what a fixed text field of a record can take: the
// text's UTF-8 bytes are counted as the user types, and a key or a paste
// that would go beyond the field is refused.
class Utf8LengthValidator : public QValidator
{
    Q_OBJECT

public:
    Utf8LengthValidator(int maxBytes, QObject *parent = nullptr);

    // Puts a validator of maxBytes on edit (owned by the edit).
    static void limit(QLineEdit *edit, int maxBytes);

    State validate(QString &input, int &position) const override;

private:
    int m_maxBytes;
};
