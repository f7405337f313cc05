#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <cstdint>

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

// A package whose image "app.bin" is imageSize zero bytes, deflated: a small
// file that inflates to as much as a 32-bit size allows, written without
// ever holding the image in memory. The init packet "app.dat" is "init".
// A statedSize other than 0 is what the archive claims the image inflates
// to (a lying header).
QByteArray zeroImagePackage(std::uint32_t imageSize, std::uint32_t statedSize = 0);

} // namespace PackageBuilder
