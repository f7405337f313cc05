#include "Firmware.h"
#include "PackageBuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using PackageBuilder::Entries;

namespace {

// How a row's file comes about.
enum class Source { Missing, Directory, RawBytes, Zip };

QByteArray manifestOf(const QByteArray &inner)
{
    return R"({"manifest": )" + inner + "}";
}

} // namespace

Q_DECLARE_METATYPE(Entries)
Q_DECLARE_METATYPE(Source)

class TestFirmware : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void statusTexts_data();
    void statusTexts();

private:
    QTemporaryDir m_dir;
};

void TestFirmware::load_data()
{
    QTest::addColumn<Source>("source");
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text"); // empty: the zip layer's own text
    QTest::addColumn<int>("application");
    QTest::addColumn<QByteArray>("init");
    QTest::addColumn<QByteArray>("image");

    const QByteArray appManifest = manifestOf(R"({"application": {"dat_file": "app.dat", "bin_file": "app.bin"}})");
    const QByteArray broken = "Manifest.json is broken";
    const QByteArray none;

    QTest::newRow("missing file") << Source::Missing << none << Entries() << 1 << "File does not exist" << 0
                                  << none << none;
    QTest::newRow("directory") << Source::Directory << none << Entries() << 3 << "" << 0 << none << none;
    QTest::newRow("not a zip") << Source::RawBytes << QByteArray("just text, no archive") << Entries() << 3 << ""
                               << 0 << none << none;
    QTest::newRow("no manifest") << Source::Zip << none
                                 << Entries{{"app.dat", "init"}, {"app.bin", "image"}} << 4
                                 << "No manifest file (manifest.json) in the archive" << 0 << none << none;
    QTest::newRow("manifest in a folder") << Source::Zip << none
                                          << Entries{{"pkg/manifest.json", appManifest}, {"app.dat", "i"}} << 4
                                          << "No manifest file (manifest.json) in the archive" << 0 << none << none;
    QTest::newRow("manifest of zero bytes") << Source::Zip << none << Entries{{"manifest.json", ""}} << 3 << "" << 0
                                            << none << none;

    const QList<QPair<const char *, QByteArray>> brokenManifests = {
        {"manifest empty array", "[]"},
        {"manifest empty object", "{}"},
        {"manifest not JSON", "manifest: yes"},
        {"manifest truncated", appManifest.left(30)},
        {"manifest member missing", R"({"application": {"dat_file": "app.dat", "bin_file": "app.bin"}})"},
        {"manifest member not an object", R"({"manifest": [1, 2]})"},
        {"neither application nor bootloader", manifestOf(R"({"softdevice": {"dat_file": "a", "bin_file": "b"}})")},
        {"application empty, no bootloader", manifestOf(R"({"application": {}})")},
        {"bin_file missing", manifestOf(R"({"application": {"dat_file": "app.dat"}})")},
        {"dat_file null", manifestOf(R"({"application": {"dat_file": null, "bin_file": "app.bin"}})")},
    };
    for (const auto &[name, manifest] : brokenManifests) {
        QTest::newRow(name) << Source::Zip << none
                            << Entries{{"manifest.json", manifest}, {"app.dat", "init"}, {"app.bin", "image"}} << 5
                            << QString::fromLatin1(broken) << 0 << none << none;
    }

    QTest::newRow("application") << Source::Zip << none
                                 << Entries{{"manifest.json", appManifest}, {"app.dat", "init"}, {"app.bin", "image"}}
                                 << 8 << "File successully loaded" << 1 << QByteArray("init") << QByteArray("image");
    QTest::newRow("bootloader")
        << Source::Zip << none
        << Entries{{"manifest.json", manifestOf(R"({"bootloader": {"dat_file": "bl.dat", "bin_file": "bl.bin"}})")},
                   {"bl.dat", "blinit"},
                   {"bl.bin", "blimage"}}
        << 8 << "File successully loaded" << 0 << QByteArray("blinit") << QByteArray("blimage");
    QTest::newRow("application wins over bootloader")
        << Source::Zip << none
        << Entries{{"manifest.json",
                    manifestOf(R"({"bootloader": {"dat_file": "bl.dat", "bin_file": "bl.bin"},
                                   "application": {"dat_file": "app.dat", "bin_file": "app.bin"}})")},
                   {"bl.dat", "blinit"},
                   {"bl.bin", "blimage"},
                   {"app.dat", "init"},
                   {"app.bin", "image"}}
        << 8 << "File successully loaded" << 1 << QByteArray("init") << QByteArray("image");
    QTest::newRow("entries in a folder, other members ignored")
        << Source::Zip << none
        << Entries{{"manifest.json",
                    manifestOf(R"({"application": {"dat_file": "fw/app.dat", "bin_file": "fw/app.bin",
                                   "init_packet_data": {"fw_version": 3}}, "dfu_version": 0.5})")},
                   {"fw/app.dat", "init"},
                   {"fw/app.bin", "image"}}
        << 8 << "File successully loaded" << 1 << QByteArray("init") << QByteArray("image");

    QTest::newRow("dat_file differs in case")
        << Source::Zip << none
        << Entries{{"manifest.json", appManifest}, {"App.dat", "init"}, {"app.bin", "image"}} << 6
        << "No init file (*.dat) in the archive" << 1 << none << none;
    QTest::newRow("dat_file not a string")
        << Source::Zip << none
        << Entries{{"manifest.json", manifestOf(R"({"application": {"dat_file": 7, "bin_file": "app.bin"}})")},
                   {"app.bin", "image"}}
        << 6 << "No init file (*.dat) in the archive" << 1 << none << none;
    QTest::newRow("no image") << Source::Zip << none << Entries{{"manifest.json", appManifest}, {"app.dat", "init"}}
                              << 7 << "No firmware file (*.bin) in the archive" << 1 << none << none;
    QTest::newRow("image of zero bytes")
        << Source::Zip << none << Entries{{"manifest.json", appManifest}, {"app.dat", "init"}, {"app.bin", ""}} << 3
        << "" << 1 << none << none;
    QTest::newRow("init of zero bytes")
        << Source::Zip << none << Entries{{"manifest.json", appManifest}, {"app.dat", ""}, {"app.bin", "image"}} << 3
        << "" << 1 << none << none;

    // Parts larger than any real one are refused on the size the archive
    // states, before they are inflated: an image that claims 1 GB but holds
    // little gets the size text, not the zip layer's complaint about it.
    const auto limit = std::uint32_t(Firmware::kMaxImageSize);
    QTest::newRow("image at the limit") << Source::RawBytes << PackageBuilder::zeroImagePackage(limit) << Entries()
                                        << 8 << "File successully loaded" << 1 << QByteArray("init")
                                        << QByteArray(limit, '\0');
    QTest::newRow("image one byte over the limit")
        << Source::RawBytes << PackageBuilder::zeroImagePackage(limit + 1) << Entries() << 3
        << "app.bin is 1048577 bytes, larger than any firmware image (at most 1048576 bytes)" << 1 << none << none;
    QTest::newRow("image stated as 1 GB") << Source::RawBytes << PackageBuilder::zeroImagePackage(5000, 1000000000)
                                          << Entries() << 3
                                          << "app.bin is 1000000000 bytes, larger than any firmware image (at most "
                                             "1048576 bytes)"
                                          << 1 << none << none;
    QTest::newRow("init over the limit")
        << Source::Zip << none
        << Entries{{"manifest.json", appManifest}, {"app.dat", QByteArray(4097, 'i')}, {"app.bin", "image"}} << 3
        << "app.dat is 4097 bytes, larger than any init packet (at most 4096 bytes)" << 1 << none << none;
    const QByteArray hugeManifest = appManifest + QByteArray(64 * 1024, ' ');
    QTest::newRow("manifest over the limit")
        << Source::Zip << none << Entries{{"manifest.json", hugeManifest}, {"app.dat", "init"}, {"app.bin", "image"}}
        << 3
        << QStringLiteral("manifest.json is %1 bytes, larger than any manifest (at most 65536 bytes)")
               .arg(hugeManifest.size())
        << 0 << none << none;
    const QByteArray hugePackage = PackageBuilder::zip({{"manifest.json", appManifest},
                                                        {"app.dat", "init"},
                                                        {"app.bin", "image"},
                                                        {"padding.bin", QByteArray(4 << 20, 'p')}});
    QTest::newRow("package over the limit")
        << Source::RawBytes << hugePackage << Entries() << 3
        << QStringLiteral("package_over_the_limit.zip is %1 bytes, larger than any firmware package (at most "
                          "4194304 bytes)")
               .arg(hugePackage.size())
        << 0 << none << none;
}

void TestFirmware::load()
{
    QFETCH(Source, source);
    QFETCH(QByteArray, raw);
    QFETCH(Entries, entries);
    QFETCH(int, status);
    QFETCH(QString, text);
    QFETCH(int, application);
    QFETCH(QByteArray, init);
    QFETCH(QByteArray, image);

    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".zip");
    QByteArray written;
    switch (source) {
    case Source::Missing:
        break;
    case Source::Directory:
        QVERIFY(QDir().mkpath(path));
        break;
    case Source::RawBytes:
        written = raw;
        break;
    case Source::Zip:
        written = PackageBuilder::zip(entries);
        break;
    }
    if (!written.isNull())
        QVERIFY(PackageBuilder::write(path, written));

    const Firmware firmware(path);
    QCOMPARE(int(firmware.status()), status);
    QCOMPARE(firmware.isLoaded(), status == FirmwareLoaded);
    if (text.isEmpty())
        QVERIFY2(!firmware.statusText().isEmpty(), "the zip layer's text is reported");
    else
        QCOMPARE(firmware.statusText(), text);
    if (status == FirmwareLoaded || status == FirmwareNoInitFile || status == FirmwareNoImageFile)
        QCOMPARE(firmware.isApplication(), application);
    QCOMPARE(firmware.initData(), init);
    QCOMPARE(firmware.imageData(), image);

    // Loading never creates, changes or removes a file.
    QCOMPARE(QFileInfo::exists(path), source != Source::Missing);
    if (!written.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written);
    }
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(".tmp"), QStringList());
}

void TestFirmware::statusTexts_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "File is not loaded";
    QTest::newRow("2") << 2 << "File is broken";
    QTest::newRow("3") << 3 << "zip says no";
    QTest::newRow("9") << 9 << "Unknown error: 9";
    QTest::newRow("-1") << -1 << "Unknown error: -1";
}

void TestFirmware::statusTexts()
{
    QFETCH(int, status);
    QFETCH(QString, text);
    QCOMPARE(Firmware::statusText(status, QStringLiteral("zip says no")), text);
}

QTEST_GUILESS_MAIN(TestFirmware)
#include "tst_firmware.moc"
