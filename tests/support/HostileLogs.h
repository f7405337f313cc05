#pragma once

// Log files made to stop or exhaust a reader of metadata.json: each is small
// on disk (the text compresses well) and must be refused quickly, with an
// error that says what is wrong. Shared by the tests of every reader.

#include "LogFile.h"
#include "LogFixtures.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

struct HostileMetadata
{
    std::string name;     // also a file name
    std::string metadata; // the text of metadata.json
    std::string refusal;  // words the reader's error holds
};

// The metadata.json of a one-parameter log as the device program writes it.
inline nlohmann::json plainLogMetadata()
{
    LogSession session;
    session.setHeader(makeHeader({{"U", 0x51}}));
    session.setDeviceName(QStringLiteral("Limiter1"));
    return nlohmann::json::parse(logMetadataJson(session));
}

// The plain metadata with `parameters` text standing for its parameter list.
inline std::string withParameterText(const std::string &parameters)
{
    nlohmann::json metadata = plainLogMetadata();
    metadata["parametersDesc"]["parameters"] = "@";
    std::string text = metadata.dump(4);
    text.replace(text.find("\"@\""), 3, parameters);
    return text;
}

inline std::vector<HostileMetadata> hostileMetadata()
{
    const auto nested = [](std::size_t depth) { return std::string(depth, '[') + std::string(depth, ']'); };
    return {
        // The library would copy these recursively, one stack frame a level.
        {"nested 100000 arrays", withParameterText(nested(100000)), "more than a log's metadata"},
        {"nested 30000 arrays", withParameterText(nested(30000)), "nests deeper"},
        {"one level too deep", withParameterText(R"([["U", 1, 5, [0]]])"), "nests deeper"},
        {"valid metadata and 1 MiB of blanks", plainLogMetadata().dump(4) + std::string(1 << 20, ' '),
         "more than a log's metadata"},
        {"5 million open brackets", std::string(5000000, '['), "more than a log's metadata"},
    };
}
