#include "end_to_end_fixture.h"

#include "test_files.h"

namespace kavinor::test {

namespace fs = std::filesystem;

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
        posix_ = std::make_unique<platform::PosixProcesses>((tools() / "kvcmd").string());
        processes_ = std::make_unique<FakeProcesses>(posix_.get());
        processes_->onStart = [this](const FakeProcesses::Start& start) {
            if (start.commandLine.ends_with("error.bat\"")) atErrorBat = contents(start.workingDir);
        };
        run_ = std::make_unique<RunWindow>(*processes_, tools());
    }
    return *run_;
}

void EndToEnd::expectErrorBundle(const fs::path& dir) const {
    const auto part = [&](const std::string& name) {
        const auto found = atErrorBat.find(name);
        return found == atErrorBat.end() ? std::string() : found->second;
    };
    const std::string rule = std::string(36, '-') + " \r\n";
    const std::string head = "Kavinor 0.75 \r\n" + rule;
    const std::string scripts = rule + part("konvert.bat") + rule + part("komplett.bat") + rule +
                                part("asc2ov2.bat") + rule;
    const std::string logs = rule + part("konvert.log") + rule + part("komplett.log") + rule +
                             part("asc2ov2.log") + rule;
    constexpr std::size_t kDateTimeSize = 19;  // "dd.mm.yyyy\r\nHH:MM\r\n"
    const std::string bug = readFile(dir / "Error.bug");
    const std::size_t listingStart = head.size() + kDateTimeSize + scripts.size();
    ASSERT_GE(bug.size(), listingStart + logs.size()) << bug;
    EXPECT_TRUE(bug.starts_with(head)) << bug;
    EXPECT_TRUE(hasShape(bug.substr(head.size(), kDateTimeSize), "##.##.####\r\n##:##\r\n")) << bug;
    EXPECT_EQ(bug.substr(head.size() + kDateTimeSize, scripts.size()), scripts);
    EXPECT_TRUE(bug.ends_with(logs)) << bug;
    const std::string listing = bug.substr(listingStart, bug.size() - logs.size() - listingStart);
    EXPECT_TRUE(listing.starts_with(" Verzeichnis von " + dir.string() + "\r\n")) << listing;
    EXPECT_TRUE(listing.ends_with(" Bytes frei\r\n")) << listing;
}

}  // namespace kavinor::test
