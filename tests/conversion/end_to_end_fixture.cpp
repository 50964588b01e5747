#include "end_to_end_fixture.h"

#include <cstdio>

#include "ov2_bytes.h"
#include "test_files.h"

namespace kavinor::test {

namespace fs = std::filesystem;

std::string ov2File(const std::vector<Poi>& pois) {
    std::string records;
    for (const Poi& p : pois) {
        records += p.extended ? extendedPoi(p.lon, p.lat, p.name, p.id, p.extra)
                              : simplePoi(p.lon, p.lat, p.name);
    }
    return area(records);
}

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

std::vector<Poi> joined(const std::vector<std::vector<Poi>>& parts) {
    std::vector<Poi> all;
    for (const std::vector<Poi>& part : parts) all.insert(all.end(), part.begin(), part.end());
    return sorted(all);
}

std::map<std::string, std::string> contents(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const std::string& name : listNames(dir)) {
        files[name] = fs::is_directory(dir / name) ? "<dir>" : readFile(dir / name);
    }
    return files;
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
