#include "DFUUpdater.h"
#include "DfuProtocol.h"
#include "DfuSimFixture.h"
#include "SimDfuPackage.h"
#include "SimFaults.h"

#include <QtTest>

#include "Crc32.h"

namespace {

const QBluetoothUuid kControlPoint(QStringLiteral("8ec90001-f315-4f60-9fb8-838830daea50"));
const QBluetoothUuid kPacket(QStringLiteral("8ec90002-f315-4f60-9fb8-838830daea50"));

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray le32(uint32_t value)
{
    const uint32_t le = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&le), 4);
}

// The states of a status list with repeats folded into one.
QList<int> foldedStates(const QList<QPair<int, uint32_t>> &statuses)
{
    QList<int> states;
    for (const auto &status : statuses) {
        if (states.isEmpty() || states.last() != status.first)
            states.append(status.first);
    }
    return states;
}

QList<uint32_t> progressAt(const QList<QPair<int, uint32_t>> &statuses, int state)
{
    QList<uint32_t> result;
    for (const auto &status : statuses) {
        if (status.first == state)
            result.append(status.second);
    }
    return result;
}

} // namespace

class TestDFUUpdater : public QObject
{
    Q_OBJECT

private slots:
    void bootloaderAddress_data();
    void bootloaderAddress();
    void requestLayouts();
    void stateTexts();

    void fullTransfer_data();
    void fullTransfer();
    void directConnectionToStuckBootloader();
    void resumeAfterLinkLoss_data();
    void resumeAfterLinkLoss();
    void selectDecisions_data();
    void selectDecisions();
    void errors_data();
    void errors();
};

void TestDFUUpdater::bootloaderAddress_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("bootloader");
    QTest::newRow("carry") << "C0:11:22:33:44:FF" << "C0:11:22:33:45:00";
    QTest::newRow("plain") << "C0:11:22:33:44:10" << "C0:11:22:33:44:11";
    QTest::newRow("lower case") << "c0:11:22:33:44:fe" << "C0:11:22:33:44:FF";
    QTest::newRow("carry through all") << "00:FF:FF:FF:FF:FF" << "01:00:00:00:00:00";
    QTest::newRow("wraps at 48 bits") << "FF:FF:FF:FF:FF:FF" << "00:00:00:00:00:00";
}

void TestDFUUpdater::bootloaderAddress()
{
    QFETCH(QString, device);
    QFETCH(QString, bootloader);
    QCOMPARE(DFUUpdater::bootloaderAddress(device), bootloader);
}

void TestDFUUpdater::requestLayouts()
{
    QCOMPARE(dfu::selectRequest(dfu::CommandObject), hex("0601"));
    QCOMPARE(dfu::selectRequest(dfu::DataObject), hex("0602"));
    QCOMPARE(dfu::createRequest(dfu::DataObject, 1808), hex("010210070000"));
    QCOMPARE(dfu::createRequest(dfu::CommandObject, 0x01020304), hex("010104030201"));
    QCOMPARE(dfu::setPrnRequest(), hex("0201000000"));
    QCOMPARE(dfu::calculateChecksumRequest(), hex("03"));
    QCOMPARE(dfu::executeRequest(), hex("04"));
    QCOMPARE(dfu::controlPointUuid(), kControlPoint);
    QCOMPARE(dfu::packetUuid(), kPacket);
    QCOMPARE(dfu::serviceUuid(), QBluetoothUuid(QStringLiteral("0000fe59-0000-1000-8000-00805f9b34fb")));
}

void TestDFUUpdater::stateTexts()
{
    QCOMPARE(DFUUpdater::stateText(StateSelectInit), QStringLiteral("Select init data partition"));
    QCOMPARE(DFUUpdater::stateText(StateUploadMain), QStringLiteral("Upload main firmware"));
    QCOMPARE(DFUUpdater::stateText(StateExecuteMain), QStringLiteral("Execute firmware update"));
    QCOMPARE(DFUUpdater::stateText(11), QStringLiteral("Unknown state: 11"));
}

void TestDFUUpdater::fullTransfer_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("mtu");
    QTest::addColumn<QList<QByteArray>>("requests");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QList<uint32_t>>("executeProgress");
    QTest::addColumn<int>("lastPacket");

    // Every transfer begins with the command object: the init packet is 44 bytes.
    const QList<QByteArray> init = {hex("0601"), hex("01012c000000"), hex("0201000000"), hex("04"), hex("0602")};
    const QList<int> initStates = {0, 1, 2, 3, 5, 6};
    const QByteArray fullObject = hex("010200100000");

    QTest::newRow("10000 bytes")
        << 10000 << 247
        << init + QList<QByteArray>{fullObject, hex("04"), fullObject, hex("04"), hex("010210070000"), hex("04")}
        << initStates + QList<int>{7, 8, 10, 7, 8, 10, 7, 8, 10} << QList<uint32_t>{40, 81, 99, 100} << 16;
    QTest::newRow("10000 bytes at the smallest MTU that carries a packet")
        << 10000 << 131
        << init + QList<QByteArray>{fullObject, hex("04"), fullObject, hex("04"), hex("010210070000"), hex("04")}
        << initStates + QList<int>{7, 8, 10, 7, 8, 10, 7, 8, 10} << QList<uint32_t>{40, 81, 99, 100} << 16;
    QTest::newRow("exactly 8192 bytes")
        << 8192 << 247 << init + QList<QByteArray>{fullObject, hex("04"), fullObject, hex("04")}
        << initStates + QList<int>{7, 8, 10, 7, 8, 10} << QList<uint32_t>{50, 98, 100} << 128;
    // The bootloader's data object covers the whole image, but with nothing
    // received yet an object is created before the packet goes out.
    QTest::newRow("1 byte") << 1 << 247 << init + QList<QByteArray>{hex("010201000000"), hex("04")}
                            << initStates + QList<int>{7, 8, 10} << QList<uint32_t>{0, 100} << 1;
}

void TestDFUUpdater::fullTransfer()
{
    QFETCH(int, size);
    QFETCH(int, mtu);
    QFETCH(QList<QByteArray>, requests);
    QFETCH(QList<int>, states);
    QFETCH(QList<uint32_t>, executeProgress);
    QFETCH(int, lastPacket);

    DfuSimFixture sim;
    sim.bootloader->setMaximumMtu(mtu);
    const QByteArray image = SimDfuPackage::image(size);
    QVERIFY(sim.usePackage(image));
    QSignalSpy activated(sim.bootloader.get(), &SimDfuBootloader::imageActivated);

    sim.updater.startUpdate(DfuSimFixture::deviceAddress());
    QVERIFY(sim.waitForEnd());
    QCOMPARE(sim.errors, QStringList());
    QCOMPARE(sim.statuses.last(), (QPair<int, uint32_t>(10, 100)));
    QTRY_COMPARE(activated.count(), 1);
    QCOMPARE(sim.bootloader->activatedImage(), image);
    QCOMPARE(sim.bootloader->activatedInit()->firmwareVersion, 0x0302);

    QCOMPARE(sim.requests, requests);
    QCOMPARE(foldedStates(sim.statuses), states);
    QCOMPARE(progressAt(sim.statuses, StateExecuteMain), executeProgress);

    // The init packet in one write, then the image in 128-byte packets.
    QCOMPARE(sim.packets.first().size(), 44);
    const int imagePackets = (size + 127) / 128;
    QCOMPARE(sim.packets.size(), 1 + imagePackets);
    for (int i = 1; i < imagePackets; ++i)
        QCOMPARE(sim.packets.at(i).size(), 128);
    QCOMPARE(sim.packets.last().size(), lastPacket);
}

void TestDFUUpdater::directConnectionToStuckBootloader()
{
    // The recovery path: no scan, no address arithmetic.
    DfuSimFixture sim;
    const QByteArray image = SimDfuPackage::image(5000, 7);
    QVERIFY(sim.usePackage(image));
    sim.updater.reset();
    sim.updater.connectToDevice(sim.bootloaderInfo());
    QVERIFY(sim.waitForEnd());
    QCOMPARE(sim.errors, QStringList());
    QTRY_COMPARE(sim.bootloader->activatedImage(), image);
    QCOMPARE(sim.bootloader->createdDataObjects(), (QList<uint32_t>{4096, 904}));
}

void TestDFUUpdater::resumeAfterLinkLoss_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<SimFaultFilter>("fault");
    QTest::addColumn<int>("offsetKept");
    QTest::addColumn<QList<uint32_t>>("objects");

    // Packet writes: the init packet, then the image packets.
    QTest::newRow("link lost mid-object")
        << 10000 << SimFaults::dropLink(SimAttEvent::WriteWithoutResponse, kPacket, 1 + 40) << 39 * 128
        << QList<uint32_t>{4096, 4096, 1808};
    // Control point writes: Select, Create, Set PRN, Execute (init), Select,
    // Create, Execute, Create, Execute (second object) ...
    QTest::newRow("link lost before an object is executed")
        << 10000 << SimFaults::dropLink(SimAttEvent::Write, kControlPoint, 9) << 8192
        << QList<uint32_t>{4096, 4096, 1808};
    QTest::newRow("link lost before the answer to Execute")
        << 10000 << SimFaults::dropLink(SimAttEvent::Write, kControlPoint, 9, SimFault::DropLinkAfter) << 8192
        << QList<uint32_t>{4096, 4096, 1808};
    QTest::newRow("image in one object")
        << 3000 << SimFaults::dropLink(SimAttEvent::WriteWithoutResponse, kPacket, 1 + 11) << 10 * 128
        << QList<uint32_t>{3000};
}

void TestDFUUpdater::resumeAfterLinkLoss()
{
    QFETCH(int, size);
    QFETCH(SimFaultFilter, fault);
    QFETCH(int, offsetKept);
    QFETCH(QList<uint32_t>, objects);

    DfuSimFixture sim;
    const QByteArray image = SimDfuPackage::image(size, 3);
    QVERIFY(sim.usePackage(image));
    sim.bootloader->addFaultFilter(fault);
    QSignalSpy disconnected(sim.bootloader.get(), &SimDfuBootloader::imageActivated);

    sim.updater.startUpdate(DfuSimFixture::deviceAddress());
    QTRY_VERIFY(sim.radio.connections().isEmpty() && !sim.statuses.isEmpty());
    sim.settle(10000); // the updater only logs the lost link
    QCOMPARE(sim.errors, QStringList());
    QCOMPARE(sim.bootloader->receivedImage().size(), offsetKept);
    QVERIFY(sim.bootloader->activatedInit() == std::nullopt);

    // A second attempt, as the recovery window makes it.
    sim.bootloader->clearFaultFilters();
    sim.updater.reset();
    sim.updater.connectToDevice(sim.bootloaderInfo());
    QVERIFY(sim.waitForEnd());
    QCOMPARE(sim.errors, QStringList());
    QTRY_COMPARE(sim.bootloader->activatedImage(), image);
    // Nothing the bootloader had confirmed was sent again.
    QCOMPARE(sim.bootloader->imageBytesWritten(), qint64(size));
    QCOMPARE(sim.bootloader->createdDataObjects(), objects);
}

void TestDFUUpdater::selectDecisions_data()
{
    QTest::addColumn<QByteArray>("selectAnswer");
    QTest::addColumn<QByteArray>("next"); // the next write: a request, or "packet:<size>"

    const QByteArray header = hex("600601");
    const QByteArray initPacket = SimDfuInit::make(SimDfuPackage::image(10000, 11), 0x0302);
    const uint32_t initCrc = checksum::crc32(initPacket);
    QTest::newRow("maximum 512, nothing received") << header + le32(512) + le32(0) + le32(0) << hex("01012c000000");
    QTest::newRow("maximum 512, init complete") << header + le32(512) + le32(44) + le32(initCrc)
                                                << hex("01012c000000");
    QTest::newRow("maximum 1024, init complete") << header + le32(1024) + le32(44) + le32(initCrc) << hex("04");
    QTest::newRow("maximum 1024, nothing received") << header + le32(1024) + le32(0) + le32(0) << hex("01012c000000");
    QTest::newRow("maximum 1024, part of the init")
        << header + le32(1024) + le32(20) + le32(checksum::crc32(initPacket.left(20))) << QByteArray("packet:24");
    QTest::newRow("maximum 1024, wrong CRC") << header + le32(1024) + le32(44) + le32(initCrc ^ 1)
                                             << hex("01012c000000");
    QTest::newRow("maximum 1024, offset beyond the init") << header + le32(1024) + le32(45) + le32(initCrc)
                                                          << hex("01012c000000");
}

void TestDFUUpdater::selectDecisions()
{
    QFETCH(QByteArray, selectAnswer);
    QFETCH(QByteArray, next);

    DfuSimFixture sim;
    QVERIFY(sim.usePackage(SimDfuPackage::image(10000, 11)));
    sim.bootloader->addFaultFilter(replaceNotification(1, selectAnswer));
    sim.updater.startUpdate(DfuSimFixture::deviceAddress());
    QTRY_VERIFY(sim.requests.size() + sim.packets.size() >= 2);
    if (next.startsWith("packet:")) {
        QCOMPARE(sim.requests.size(), 1);
        QCOMPARE(sim.packets.first().size(), next.mid(7).toInt());
    } else {
        QCOMPARE(sim.requests.at(1), next);
    }
}

void TestDFUUpdater::errors_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("init"); // empty: the package's own
    QTest::addColumn<std::function<void(SimDfuBootloader &)>>("setUp");
    QTest::addColumn<QString>("error");

    using SetUp = std::function<void(SimDfuBootloader &)>;
    const auto faults = [](SimFaultFilter filter) -> SetUp {
        return [filter](SimDfuBootloader &b) { b.addFaultFilter(filter); };
    };
    // Control point notifications: 1 Select, 2 Create, 3 Set PRN, 4 the init
    // receipt, 5 Execute, 6 Select, 7 Create, 8 the first image receipt.
    const auto notification = [&](int n, const char *bytes) { return faults(replaceNotification(n, hex(bytes))); };
    const auto truncated = [&](int n, int length) {
        return faults(SimFaults::truncate(SimAttEvent::Notification, kControlPoint, length, n));
    };

    QTest::newRow("select of 14 bytes") << 10000 << QByteArray() << truncated(1, 14)
                                        << "Select response incorrect size: 14 instead of 15";
    QTest::newRow("select with a failed result")
        << 10000 << QByteArray() << notification(1, "600602000100000000000000000000")
        << "Select response incorrect header: 6 2 instead of 6 1";
    QTest::newRow("select with a wrong opcode")
        << 10000 << QByteArray() << notification(6, "609601001000000000000000000000")
        << "Select response incorrect header: -106 1 instead of 6 1";
    QTest::newRow("create refused") << 10000 << QByteArray()
                                    << SetUp([](SimDfuBootloader &b) {
                                           b.refuseRequest(SimDfuBootloader::OpCreate,
                                                           SimDfuBootloader::ResultInsufficientResources, 1, 2);
                                       })
                                    << "Create response incorrect header: 1 4 instead of 1 1";
    QTest::newRow("create answer of 2 bytes") << 10000 << QByteArray() << truncated(2, 2)
                                              << "Response to Create too short: 2 bytes instead of 3 (60:01)";
    QTest::newRow("set PRN answered for another request")
        << 10000 << QByteArray() << notification(3, "600501") << "Unexpected response for Set PRN command: 5";
    QTest::newRow("unexpected data in the upload") << 10000 << QByteArray() << notification(8, "600401")
                                                   << "Unexpected data in upload state: 60:04:01";
    QTest::newRow("receipt of 7 bytes")
        << 10000 << QByteArray() << truncated(8, 7)
        << "Response to Calculate checksum too short: 7 bytes instead of 11 (60:03:01:80:00:00:00)";
    QTest::newRow("receipt beyond the image") << 1 << QByteArray() << notification(8, "6003010200000000000000")
                                              << QString();
    QTest::newRow("packet corrupted on the way")
        << 10000 << QByteArray() << faults(SimFaults::corrupt(SimAttEvent::WriteWithoutResponse, kPacket, 1 + 3, 5))
        << QString();
    QTest::newRow("execute answered for another request")
        << 10000 << QByteArray() << notification(5, "600301") << "Unexpected response for execute state: 3";
    QTest::newRow("execute refused")
        << 10000 << QByteArray()
        << SetUp([](SimDfuBootloader &b) {
               b.refuseRequest(SimDfuBootloader::OpExecute, SimDfuBootloader::ResultOperationFailed, 2);
           })
        << "Execute response incorrect result: 10 instead of 1";
    QTest::newRow("init packet refused") << 10000 << QByteArray("not an init packet") << SetUp()
                                         << "Execute response incorrect result: 11 instead of 1";
    QTest::newRow("image does not match its init packet")
        << 5000 << SimDfuInit::make(SimDfuPackage::image(5000, 99), 0x0302) << SetUp()
        << "Execute response incorrect result: 11 instead of 1";
    QTest::newRow("MTU too small for a packet")
        << 10000 << QByteArray() << SetUp([](SimDfuBootloader &b) { b.setMaximumMtu(130); })
        << "Writing to the bootloader failed: CharacteristicWriteError";
}

void TestDFUUpdater::errors()
{
    QFETCH(int, size);
    QFETCH(QByteArray, init);
    QFETCH(std::function<void(SimDfuBootloader &)>, setUp);
    QFETCH(QString, error);

    DfuSimFixture sim;
    const QByteArray image = SimDfuPackage::image(size, 5);
    QVERIFY(sim.usePackage(image, init));
    if (setUp)
        setUp(*sim.bootloader);
    if (error.isEmpty()) {
        // CRC mismatches name both sides.
        if (size == 1) {
            error = QStringLiteral("CRC32 is incorrect\n Expected: %1\nReceived: 0").arg(checksum::crc32(image), 0, 16);
        } else {
            QByteArray corrupted = image.left(3 * 128);
            corrupted[2 * 128 + 5] = char(corrupted.at(2 * 128 + 5) ^ 0xFF);
            error = QStringLiteral("CRC32 is incorrect\n Expected: %1\nReceived: %2")
                        .arg(checksum::crc32(image.left(3 * 128)), 0, 16)
                        .arg(checksum::crc32(corrupted), 0, 16);
        }
    }

    sim.updater.startUpdate(DfuSimFixture::deviceAddress());
    QTRY_COMPARE(sim.errors.size(), 1);
    QCOMPARE(sim.errors.first(), error);

    // The transfer stops where it is.
    const qsizetype requests = sim.requests.size();
    const qsizetype packets = sim.packets.size();
    sim.settle(10000);
    QCOMPARE(sim.requests.size(), requests);
    QCOMPARE(sim.packets.size(), packets);
    QCOMPARE(sim.errors.size(), 1);
    QVERIFY(sim.statuses.isEmpty() || sim.statuses.last().second != 100);
    QVERIFY(!sim.bootloader->activatedInit());
}

QTEST_GUILESS_MAIN(TestDFUUpdater)
#include "tst_dfuupdater.moc"
