#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <utility>

// Marks every text of one translation context as "<text>", so that a test
// sees which texts a language change translated again. Texts listed as
// unmarked (formats a test reads back, say) stay as they are.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const char *context, QStringList unmarked = {})
        : m_context(context), m_unmarked(std::move(unmarked))
    {
    }

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (m_context != context || m_unmarked.contains(text))
            return QString();
        return QStringLiteral("<%1>").arg(text);
    }

private:
    const QByteArray m_context;
    const QStringList m_unmarked;
};
