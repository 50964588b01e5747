#include "end_to_end_fixture.h"

#include <cstdio>

#include "test_files.h"

namespace kavinor::test {

namespace fs = std::filesystem;

namespace {

std::string degrees(std::int32_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%d.%05d", value < 0 ? "-" : "", std::abs(value) / 100000,
                  std::abs(value) % 100000);
    return text;
}

}  // namespace

std::string ascFile(const std::vector<Poi>& pois) {
    std::string text;
    for (const Poi& p : pois) {
        text += degrees(p.lon) + "," + degrees(p.lat) + ",\"" + p.name + "\"";
        if (p.extended) text += ",\"" + p.id + "\",\"" + p.extra + "\"";
        text += "\r\n";
    }
    return text;
}

EndToEnd::EndToEnd() {
    fs::create_directories(tools());
    fs::create_directories(source());
    fs::create_directories(out());
    for (const char* name : {"kvcmd", "dumpov2", "makeov2", "icon.bmp"}) {
        fs::create_symlink(kBuiltTools / name, tools() / name);
    }
}

void EndToEnd::removeTool(const std::string& program) {
    fs::remove(tools() / program);
}

RunWindow& EndToEnd::run() {
    if (!run_) {
        processes_ = std::make_unique<platform::PosixProcesses>((tools() / "kvcmd").string());
        run_ = std::make_unique<RunWindow>(*processes_, tools());
    }
    return *run_;
}

}  // namespace kavinor::test
