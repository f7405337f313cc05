#pragma once

#include "SimDfuInitPacket.h"

#include <QByteArray>
#include <QString>

// Firmware packages for the simulated bootloader: a zip with "manifest.json",
// the init packet and the image, laid out as update packages are.
namespace SimDfuPackage {

// Writes the package of image to path; false when it cannot be written.
// An empty init means the init packet that fits the image.
bool write(const QString &path, const QByteArray &image, uint16_t firmwareVersion,
           SimDfuInit::ImageType type = SimDfuInit::Application, const QByteArray &init = QByteArray());

// An image of size bytes whose content depends on seed.
QByteArray image(qsizetype size, quint32 seed = 1);

} // namespace SimDfuPackage
