// Packets as a device sends them for one log session: the announced size,
// then packets of the input's choosing. The session is saved as a log file
// and as CSV; a log file reported as written must read back, with the
// header it was written from.

#include "FuzzSupport.h"

#include "LogFile.h"
#include "LogSession.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::startApplication();
    fuzz::Reader in(data, size);

    LogSession session;
    session.setFullSessionSize(in.u32());
    session.setFileDeviceName(QString::fromUtf8(in.piece()));
    session.setDeviceName(QStringLiteral("Fuzz"));
    // The header comes whole or in pieces, as the input says; the rest in
    // packets of up to 256 bytes.
    if (in.byte() & 1) {
        session.appendData(in.bytes(kLogHeaderSize));
    }
    while (!in.atEnd())
        session.appendData(in.piece());

    if (session.bytesConsumed() < kLogHeaderSize)
        return 0;
    for (const LogDot &dot : session.dots()) {
        if (dot.values.size() != std::size_t(logParameterCount(session.header())))
            fuzz::mismatch("a dot has a value count other than the header's");
    }

    QDir dir(QDir(fuzz::scratchDir()).filePath(QStringLiteral("logs")));
    dir.removeRecursively();
    const LogWriteResult saved = saveLogFile(dir.path(), session);
    if (saved.ok) {
        try {
            const LogSession read = readLogMetadata(saved.filePath);
            const LogHeader &a = read.header();
            const LogHeader &b = session.header();
            if (a.head.sessionNumber != b.head.sessionNumber || a.head.dotsCount != b.head.dotsCount
                || a.parametersDesc.parametersCount != b.parametersDesc.parametersCount
                || std::memcmp(a.parametersDesc.parameters, b.parametersDesc.parameters, logParameterCount(b)) != 0
                || a.time != b.time || a.date != b.date || a.energyRefJ != b.energyRefJ)
                fuzz::mismatch("a saved log reads back with another header");
        } catch (const std::exception &e) {
            std::fprintf(stderr, "%s\n", e.what());
            fuzz::mismatch("a log reported as written cannot be read back");
        }
    }
    (void)exportLogCsv(dir.path(), session);
    return 0;
}
