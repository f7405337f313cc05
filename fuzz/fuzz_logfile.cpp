// A log file as a user might drop it into the logs folder, through every
// reader that opens one: the device program's metadata reader, the viewer's
// catalogue and the plot loader.

#include "FuzzSupport.h"

#include "LogCatalogue.h"
#include "LogFile.h"
#include "PlotLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::startApplication();
    const QString path = fuzz::writeScratchFile(QStringLiteral("input.verira"), data, size);

    try {
        const LogSession session = readLogMetadata(path);
        (void)logDateTime(session.header().time, session.header().date);
    } catch (const std::exception &) {
    }

    // The catalogue's reader reports every failure in its entry.
    (void)readCatalogueEntry(fuzz::scratchDir(), path);

    try {
        const LogPlot plot = loadLogPlot(path);
        for (std::size_t i = 0; i < plot.series.size(); ++i) {
            for (std::size_t j = 1; j < plot.series[i].size(); ++j) {
                if (plot.series[i][j - 1].key > plot.series[i][j].key)
                    fuzz::mismatch("a plotted series is out of time order");
            }
        }
    } catch (const std::exception &) {
    }
    return 0;
}
