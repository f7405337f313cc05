#include "DFUUpdater.h"
#include "DfuProtocol.h"
#include "DfuSimFixture.h"
#include "SimDfuPackage.h"
#include "SimFaults.h"
#include "SimLimiter.h"

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
    void retryAfterLinkLoss_data();
    void retryAfterLinkLoss();
    void selectDecisions_data();
    void selectDecisions();
    void keptImageNotMatching_data();
    void keptImageNotMatching();
    void errors_data();
    void errors();
    void deviceNotInItsBootloader_data();
    void deviceNotInItsBootloader();
    void packageCannotBeSwappedDuringATransfer();
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
    QTest::addColumn<uint32_t>("dataObjectMax"); // what the bootloader's Select reports
    QTest::addColumn<QList<QByteArray>>("requests");
    QTest::addColumn<QList<int>>("initWrites");
    QTest::addColumn<QList<uint32_t>>("objects");
    QTest::addColumn<QList<uint32_t>>("executeProgress");
    QTest::addColumn<int>("lastPacket");

    // Every transfer begins with the command object: the init packet is 140 bytes.
    const QList<QByteArray> init = {hex("0601"), hex("01018c000000"), hex("0201000000"), hex("04"), hex("0602")};
    const QByteArray fullObject = hex("010200100000");
    const auto objects = [](uint32_t size, uint32_t object) {
        QList<uint32_t> sizes;
        for (uint32_t at = 0; at < size; at += object)
            sizes.append(qMin(object, size - at));
        return sizes;
    };
    const auto requestsOf = [&](uint32_t size, uint32_t object) {
        QList<QByteArray> requests = init;
        for (uint32_t sizeOfObject : objects(size, object))
            requests << dfu::createRequest(dfu::DataObject, sizeOfObject) << hex("04");
        return requests;
    };

    QTest::newRow("10000 bytes")
        << 10000 << 247 << 4096u
        << init + QList<QByteArray>{fullObject, hex("04"), fullObject, hex("04"), hex("010210070000"), hex("04")}
        << QList<int>{140} << QList<uint32_t>{4096, 4096, 1808} << QList<uint32_t>{40, 81, 99, 100} << 16;
    // The init packet no longer fits one write: it goes in two.
    QTest::newRow("10000 bytes at the smallest MTU that carries a packet")
        << 10000 << 131 << 4096u << requestsOf(10000, 4096) << QList<int>{128, 12}
        << QList<uint32_t>{4096, 4096, 1808} << QList<uint32_t>{40, 81, 99, 100} << 16;
    QTest::newRow("exactly 8192 bytes")
        << 8192 << 247 << 4096u << init + QList<QByteArray>{fullObject, hex("04"), fullObject, hex("04")}
        << QList<int>{140} << QList<uint32_t>{4096, 4096} << QList<uint32_t>{50, 98, 100} << 128;
    // The bootloader's data object covers the whole image, but with nothing
    // received yet an object is created before the packet goes out.
    QTest::newRow("1 byte") << 1 << 247 << 4096u << init + QList<QByteArray>{hex("010201000000"), hex("04")}
                            << QList<int>{140} << QList<uint32_t>{1} << QList<uint32_t>{0, 100} << 1;
    QTest::newRow("bootloader with objects of 2048 bytes")
        << 10000 << 247 << 2048u << requestsOf(10000, 2048) << QList<int>{140} << objects(10000, 2048)
        << QList<uint32_t>{20, 40, 61, 81, 99, 100} << 16;
    // 1000 is no multiple of 128: the last packet of each object is shorter.
    QTest::newRow("bootloader with objects of 1000 bytes")
        << 2500 << 247 << 1000u << requestsOf(2500, 1000) << QList<int>{140} << objects(2500, 1000)
        << QList<uint32_t>{40, 80, 95, 100} << 500 - 3 * 128;
}

void TestDFUUpdater::fullTransfer()
{
    QFETCH(int, size);
    QFETCH(int, mtu);
    QFETCH(uint32_t, dataObjectMax);
    QFETCH(QList<QByteArray>, requests);
    QFETCH(QList<int>, initWrites);
    QFETCH(QList<uint32_t>, objects);
    QFETCH(QList<uint32_t>, executeProgress);
    QFETCH(int, lastPacket);

    DfuSimFixture sim;
    sim.bootloader->setMaximumMtu(mtu);
    sim.bootloader->setMaximumObjectSizes(SimDfuBootloader::kCommandObjectMaxSize, dataObjectMax);
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
    QList<int> states = {0, 1, 2, 3, 5, 6};
    for (qsizetype i = 0; i < objects.size(); ++i)
        states << 7 << 8 << 10;
    QCOMPARE(foldedStates(sim.statuses), states);
    QCOMPARE(progressAt(sim.statuses, StateExecuteMain), executeProgress);
    QCOMPARE(sim.bootloader->createdDataObjects(), objects);

    // The init packet in writes the link carries, then the image in packets
    // of 128 bytes that never cross the end of a data object.
    QList<int> writes;
    for (const QByteArray &packet : sim.packets)
        writes.append(int(packet.size()));
    QCOMPARE(writes.mid(0, initWrites.size()), initWrites);
    QList<int> imagePackets;
    for (uint32_t object : objects) {
        for (uint32_t at = 0; at < object; at += 128)
            imagePackets.append(int(qMin(128u, object - at)));
    }
    QCOMPARE(writes.mid(initWrites.size()), imagePackets);
    QCOMPARE(writes.last(), lastPacket);
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

void TestDFUUpdater::retryAfterLinkLoss_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<uint32_t>("commandObjectMax");
    QTest::addColumn<SimFaultFilter>("fault");
    QTest::addColumn<QString>("lostDuring");
    QTest::addColumn<int>("offsetKept");
    QTest::addColumn<int>("resent"); // image bytes the retry sends

    // Packet writes: the init packet, then the image packets. Control point
    // writes: Select, Create, Set PRN, Execute (init), Select, Create,
    // Execute, Create, Execute (second object) ...
    const auto packet = [](int n) { return SimFaults::dropLink(SimAttEvent::WriteWithoutResponse, kPacket, 1 + n); };
    const auto request = [](int n, SimFault when = SimFault::DropLinkBefore) {
        return SimFaults::dropLink(SimAttEvent::Write, kControlPoint, n, when);
    };

    // A bootloader whose command object is smaller than the client needs to
    // resume it (every real one): the retry creates the command object,
    // which discards what the bootloader kept, and sends from byte 0.
    QTest::newRow("link lost mid-object") << 10000 << 512u << packet(40) << "Upload main firmware" << 39 * 128
                                          << 10000;
    QTest::newRow("link lost before an object is executed")
        << 10000 << 512u << request(9) << "Execute firmware update" << 8192 << 10000;
    QTest::newRow("link lost after the init's Execute")
        << 10000 << 512u << request(4, SimFault::DropLinkAfter) << "Execute init update" << 0 << 10000;
    QTest::newRow("image in one object") << 3000 << 512u << packet(11) << "Upload main firmware" << 10 * 128 << 3000;

    // A bootloader with room to resume its command object keeps the init
    // and the image: the retry sends only what it did not confirm.
    QTest::newRow("kept init, link lost mid-object")
        << 10000 << 1024u << packet(40) << "Upload main firmware" << 39 * 128 << 10000 - 39 * 128;
    QTest::newRow("kept init, link lost before an object is executed")
        << 10000 << 1024u << request(9) << "Execute firmware update" << 8192 << 10000 - 8192;
    QTest::newRow("kept init, link lost before the answer to Execute")
        << 10000 << 1024u << request(9, SimFault::DropLinkAfter) << "Execute firmware update" << 8192 << 10000 - 8192;
    // The object ending at the offset was executed and the next one created.
    QTest::newRow("kept init, link lost after the Create of the next object")
        << 10000 << 1024u << request(8, SimFault::DropLinkAfter) << "Create main data partition" << 4096
        << 10000 - 4096;
    QTest::newRow("kept init, image in one object")
        << 3000 << 1024u << packet(11) << "Upload main firmware" << 10 * 128 << 3000 - 10 * 128;
}

void TestDFUUpdater::retryAfterLinkLoss()
{
    QFETCH(int, size);
    QFETCH(uint32_t, commandObjectMax);
    QFETCH(SimFaultFilter, fault);
    QFETCH(QString, lostDuring);
    QFETCH(int, offsetKept);
    QFETCH(int, resent);

    DfuSimFixture sim;
    sim.bootloader->setMaximumObjectSizes(commandObjectMax, SimDfuBootloader::kDataObjectMaxSize);
    const QByteArray image = SimDfuPackage::image(size, 3);
    QVERIFY(sim.usePackage(image));
    sim.bootloader->addFaultFilter(fault);

    // The lost link ends the attempt with an error naming the step.
    sim.updater.startUpdate(DfuSimFixture::deviceAddress());
    QTRY_COMPARE(sim.errors.size(), 1);
    QVERIFY2(sim.errors.first().contains(QStringLiteral("\"%1\"").arg(lostDuring)), qPrintable(sim.errors.first()));
    QTRY_VERIFY(sim.radio.connections().isEmpty());
    QCOMPARE(sim.bootloader->receivedImage().size(), offsetKept);
    QVERIFY(sim.bootloader->activatedInit() == std::nullopt);

    // A second attempt, as the recovery window makes it.
    const qint64 writtenBefore = sim.bootloader->imageBytesWritten();
    sim.bootloader->clearFaultFilters();
    sim.errors.clear();
    sim.statuses.clear();
    sim.updater.reset();
    sim.updater.connectToDevice(sim.bootloaderInfo());
    QVERIFY(sim.waitForEnd());
    QCOMPARE(sim.errors, QStringList());
    QTRY_COMPARE(sim.bootloader->activatedImage(), image);
    QCOMPARE(sim.bootloader->imageBytesWritten() - writtenBefore, qint64(resent));
}

void TestDFUUpdater::selectDecisions_data()
{
    QTest::addColumn<QByteArray>("selectAnswer");
    QTest::addColumn<QByteArray>("next"); // the next write: a request, or "packet:<size>"

    const QByteArray header = hex("600601");
    const QByteArray initPacket = SimDfuInit::make(SimDfuPackage::image(10000, 11), 0x0302);
    const uint32_t initCrc = checksum::crc32(initPacket);
    const QByteArray create = hex("01018c000000");
    QTest::newRow("maximum 512, nothing received") << header + le32(512) + le32(0) + le32(0) << create;
    QTest::newRow("maximum 512, init complete") << header + le32(512) + le32(140) + le32(initCrc) << create;
    // A kept init is executed again without a Create ...
    QTest::newRow("maximum 1024, init complete") << header + le32(1024) + le32(140) + le32(initCrc) << hex("04");
    QTest::newRow("maximum 1024, nothing received") << header + le32(1024) + le32(0) + le32(0) << create;
    // ... or resumed, after switching the receipts on for this link.
    QTest::newRow("maximum 1024, part of the init")
        << header + le32(1024) + le32(20) + le32(checksum::crc32(initPacket.left(20))) << hex("0201000000");
    QTest::newRow("maximum 1024, wrong CRC") << header + le32(1024) + le32(140) + le32(initCrc ^ 1) << create;
    QTest::newRow("maximum 1024, offset beyond the init") << header + le32(1024) + le32(141) + le32(initCrc)
                                                          << create;
}

void TestDFUUpdater::selectDecisions()
{
    QFETCH(QByteArray, selectAnswer);
    QFETCH(QByteArray, next);

    DfuSimFixture sim;
    QVERIFY(sim.usePackage(SimDfuPackage::image(10000, 11)));
    sim.bootloader->addFaultFilter(replaceNotification(1, selectAnswer));
    sim.updater.startUpdate(DfuSimFixture::deviceAddress());
    QTRY_VERIFY(sim.requests.size() >= 2);
    QCOMPARE(sim.requests.at(1), next);
}

void TestDFUUpdater::keptImageNotMatching_data()
{
    QTest::addColumn<QList<int>>("replaced"); // data Select answers replaced by a kept image of another CRC
    QTest::addColumn<QString>("error");

    // Control point notifications: 1 Select, 2 Create, 3 Set PRN, 4 the init
    // receipt, 5 Execute, 6 Select (data); after a restart 7 Create, 8 the
    // init receipt, 9 Execute, 10 Select (data).
    QTest::newRow("restarted from byte 0") << QList<int>{6} << QString();
    QTest::newRow("still not matching after the restart")
        << QList<int>{6, 10} << QStringLiteral("CRC32 is incorrect\n Expected: %1\nReceived: 1234");
}

void TestDFUUpdater::keptImageNotMatching()
{
    QFETCH(QList<int>, replaced);
    QFETCH(QString, error);

    DfuSimFixture sim;
    const QByteArray image = SimDfuPackage::image(10000, 13);
    QVERIFY(sim.usePackage(image));
    for (int n : replaced)
        sim.bootloader->addFaultFilter(replaceNotification(n, hex("600601") + le32(4096) + le32(4096) + le32(0x1234)));
    sim.updater.startUpdate(DfuSimFixture::deviceAddress());
    QVERIFY(sim.waitForEnd());
    if (!error.isEmpty()) {
        QCOMPARE(sim.errors, QStringList{error.arg(checksum::crc32(image.left(4096)), 0, 16)});
        return;
    }
    // Not resumed from the client's own offset: the command object is
    // created again, which discards the bootloader's image.
    QCOMPARE(sim.errors, QStringList());
    QCOMPARE(sim.requests.mid(5, 4), (QList<QByteArray>{hex("01018c000000"), hex("04"), hex("0602"),
                                                         hex("010200100000")}));
    QTRY_COMPARE(sim.bootloader->activatedImage(), image);
}

void TestDFUUpdater::errors_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("init"); // empty: the package's own
    QTest::addColumn<std::function<void(DfuSimFixture &)>>("setUp");
    QTest::addColumn<QString>("error");

    using SetUp = std::function<void(DfuSimFixture &)>;
    const auto faults = [](SimFaultFilter filter) -> SetUp {
        return [filter](DfuSimFixture &sim) { sim.bootloader->addFaultFilter(filter); };
    };
    const auto refuse = [](uint8_t opcode, uint8_t result, int occurrence = 1, uint8_t type = 0) -> SetUp {
        return [=](DfuSimFixture &sim) { sim.bootloader->refuseRequest(opcode, result, occurrence, type); };
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
    QTest::newRow("select of a data object size 0") << 10000 << QByteArray()
                                                    << notification(6, "600601000000000000000000000000")
                                                    << "Select response reports a maximum object size of 0";
    QTest::newRow("create refused") << 10000 << QByteArray()
                                    << refuse(SimDfuBootloader::OpCreate,
                                              SimDfuBootloader::ResultInsufficientResources, 1, 2)
                                    << "Create response incorrect header: 1 4 instead of 1 1";
    QTest::newRow("create answer of 2 bytes") << 10000 << QByteArray() << truncated(2, 2)
                                              << "Response to Create too short: 2 bytes instead of 3 (60:01)";
    QTest::newRow("set PRN answered for another request")
        << 10000 << QByteArray() << notification(3, "600501") << "Unexpected response for Set PRN command: 5";
    QTest::newRow("set PRN refused")
        << 10000 << QByteArray()
        << refuse(SimDfuBootloader::OpSetPrn, SimDfuBootloader::ResultOperationNotPermitted)
        << "Set PRN refused by the bootloader: 8 (operation not permitted)";
    // The Create of the command object reaches the bootloader as 12 bytes:
    // the init packet would pass the object's end.
    QTest::newRow("packet past the end of the object")
        << 10000 << QByteArray() << faults(SimFaults::corrupt(SimAttEvent::Write, kControlPoint, 2, 2, 0x80))
        << "Packet refused by the bootloader: 3 (invalid parameter)";
    // The Create of the first data object was refused, but its answer
    // reads as a success.
    QTest::newRow("packet with no object to go into")
        << 10000 << QByteArray()
        << SetUp([](DfuSimFixture &sim) {
               sim.bootloader->refuseRequest(SimDfuBootloader::OpCreate, SimDfuBootloader::ResultInsufficientResources,
                                             1, 2);
               sim.bootloader->addFaultFilter(replaceNotification(7, hex("600101")));
           })
        << "Packet refused by the bootloader: 3 (invalid parameter)";
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
        << 10000 << QByteArray() << refuse(SimDfuBootloader::OpExecute, SimDfuBootloader::ResultOperationFailed, 2)
        << "Execute response incorrect result: 10 instead of 1";
    QTest::newRow("init packet refused") << 10000 << QByteArray("not an init packet") << SetUp()
                                         << "Execute response incorrect result: 11 instead of 1";
    QTest::newRow("image does not match its init packet")
        << 5000 << SimDfuInit::make(SimDfuPackage::image(5000, 99), 0x0302) << SetUp()
        << "Execute response incorrect result: 11 instead of 1";
    QTest::newRow("MTU too small for a packet")
        << 10000 << QByteArray() << SetUp([](DfuSimFixture &sim) { sim.bootloader->setMaximumMtu(130); })
        << "Writing to the bootloader failed: CharacteristicWriteError";
    QTest::newRow("link lost after the init's Execute")
        << 10000 << QByteArray() << faults(SimFaults::dropLink(SimAttEvent::Write, kControlPoint, 4,
                                                               SimFault::DropLinkAfter))
        << "Connection to the bootloader failed during \"Execute init update\": Remote device closed the connection";
    // The first receipt of the image never arrives: the limit runs out on
    // the simulator's clock.
    QTest::newRow("no answer within the limit")
        << 10000 << QByteArray() << faults(SimFaults::refuse(SimAttEvent::Notification, kControlPoint, 8))
        << "No answer from the bootloader within 30 s during \"Upload main firmware\"";
}

void TestDFUUpdater::errors()
{
    QFETCH(int, size);
    QFETCH(QByteArray, init);
    QFETCH(std::function<void(DfuSimFixture &)>, setUp);
    QFETCH(QString, error);

    DfuSimFixture sim;
    const QByteArray image = SimDfuPackage::image(size, 5);
    QVERIFY(sim.usePackage(image, init));
    if (setUp)
        setUp(sim);
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

void TestDFUUpdater::deviceNotInItsBootloader_data()
{
    QTest::addColumn<bool>("limiter"); // a running limiter, or a device without the DFU service
    QTest::newRow("running limiter (buttonless DFU only)") << true;
    QTest::newRow("no DFU service at all") << false;
}

void TestDFUUpdater::deviceNotInItsBootloader()
{
    QFETCH(bool, limiter);
    DfuSimFixture sim;
    QVERIFY(sim.usePackage(SimDfuPackage::image(5000)));
    const QBluetoothAddress address(QStringLiteral("C0:11:22:33:55:01"));
    std::shared_ptr<SimPeripheral> device =
        limiter ? std::shared_ptr<SimPeripheral>(sim.addLimiter(SimLimiter::Kind::Limiter, QString(), address))
                : std::make_shared<SimPeripheral>(address, QStringLiteral("Thermometer"));
    if (!limiter)
        sim.radio.addPeripheral(device);

    // Told at once, not when the response time-out runs out.
    const qint64 start = sim.clock().nowMs();
    qint64 failedAt = -1;
    connect(&sim.updater, &DFUUpdater::error, this, [&] { failedAt = sim.clock().nowMs(); });
    sim.updater.reset();
    sim.updater.connectToDevice(QBluetoothDeviceInfo(address, device->name(), 0));
    QTRY_COMPARE(sim.errors.size(), 1);
    QVERIFY2(failedAt - start < 1000, qPrintable(QString::number(failedAt - start)));
    QCOMPARE(sim.errors.first(), QStringLiteral("C0:11:22:33:55:01 is not in its bootloader: it offers no DFU "
                                                "control point and packet, so it cannot take firmware."));
    QVERIFY(sim.statuses.isEmpty());
    QVERIFY(!sim.updater.isRunning());
    // Nothing was written to it, and the link to it is let go.
    QVERIFY(sim.requests.isEmpty());
    QTRY_VERIFY(sim.radio.connections().isEmpty());
    sim.settle(60000);
    QCOMPARE(sim.errors.size(), 1);
}

void TestDFUUpdater::packageCannotBeSwappedDuringATransfer()
{
    DfuSimFixture sim;
    const QByteArray image = SimDfuPackage::image(10000, 21);
    QVERIFY(sim.usePackage(image));
    Firmware *running = sim.updater.firmware();
    // Halfway through the image another package is handed over.
    bool offered = false;
    connect(&sim.updater, &DFUUpdater::updateStatus, this, [&](StateM state, uint32_t progress) {
        if (state == StateUploadMain && progress >= 50 && !offered) {
            offered = true;
            QVERIFY(sim.updater.isRunning());
            const QString other = QDir::temp().filePath(QStringLiteral("gw-other-package.zip"));
            QVERIFY(SimDfuPackage::write(other, SimDfuPackage::image(6000, 22), 0x0401));
            sim.updater.setFirmware(new Firmware(other));
            QFile::remove(other);
        }
    });
    sim.updater.startUpdate(DfuSimFixture::deviceAddress());
    QVERIFY(sim.waitForEnd());
    QVERIFY(offered);
    QCOMPARE(sim.errors, QStringList());
    QCOMPARE(sim.updater.firmware(), running);
    QTRY_COMPARE(sim.bootloader->activatedImage(), image);

    // Once it has ended, a package is taken again.
    QVERIFY(sim.usePackage(SimDfuPackage::image(3000, 23)));
    QVERIFY(sim.updater.firmware() != running);
}

QTEST_GUILESS_MAIN(TestDFUUpdater)
#include "tst_dfuupdater.moc"
