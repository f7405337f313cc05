// The BlueZ stand-in as a process of its own, to run the programs by hand on
// the Qt Bluetooth backend without an adapter:
//
//   bluez_standin [--devices FILE]    prints the address of its bus and runs
//   DBUS_SYSTEM_BUS_ADDRESS=<address> build/app/Gearwarden
//
// It serves the devices of a description file (sim/SimDescription.h), or
// the simulator backend's built-in set, on real time. As the owner of
// org.bluez it also answers the program's Qt Bluetooth when it asks the
// bus owner's executable for its version ("--version").
#include "BluezStandIn.h"
#include "SimDescription.h"
#include "SimDfu.h"
#include "SimRadio.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // Asked by Qt Bluetooth before anything else starts.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", BluezStandIn::kVersion);
            return 0;
        }
    }
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("bluetoothd's D-Bus interface on simulated devices"));
    parser.addHelpOption();
    parser.addOption({"devices", "A device description file (default: the simulator's built-in devices).", "file"});
    parser.process(app);

    SimDfu::registerSimDfu();
    BluezStandIn standIn;
    QString problem;
    if (!standIn.start(&problem)) {
        std::fprintf(stderr, "bluez_standin: %s\n", qPrintable(problem));
        return 1;
    }
    bool loaded = false;
    standIn.run([&](SimRadio &radio) {
        loaded = parser.isSet("devices") ? SimDescription::loadFile(radio, parser.value("devices"), &problem)
                                         : SimDescription::load(radio, SimDescription::builtInDescription(), &problem);
    });
    if (!loaded) {
        std::fprintf(stderr, "bluez_standin: %s\n", qPrintable(problem));
        return 1;
    }
    std::printf("%s\n", qgetenv("DBUS_SYSTEM_BUS_ADDRESS").constData());
    std::fflush(stdout);
    return app.exec();
}
