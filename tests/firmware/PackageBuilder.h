#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Builds zip files for the tests without the program's own zip layer: plain
// stored entries, written the way any zip tool writes them.
namespace PackageBuilder {

using Entries = QList<QPair<QString, QByteArray>>;

QByteArray zip(const Entries &entries);

// A manifest naming the two files under "application", and the two files.
QByteArray manifest(const QString &kind, const QString &datName, const QString &binName);
QByteArray standard(const QString &datName, const QByteArray &dat, const QString &binName, const QByteArray &bin,
                    const QString &kind = QStringLiteral("application"));

bool write(const QString &path, const QByteArray &bytes);

} // namespace PackageBuilder
