#include "input_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "io_error.h"
#include "same_bytes.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;
using kavinor::InputFile;
using kavinor::IoError;
using kavinor::readWholeFile;
using kavinor::test::sameBytes;
using kavinor::test::TempDir;
using kavinor::test::writeFile;

// The message of the IoError that `open` throws; empty, with a failure, when it throws none.
std::string ioErrorMessage(const std::function<void()>& open) {
    try {
        open();
    } catch (const IoError& e) {
        return e.what();
    }
    ADD_FAILURE() << "no IoError";
    return {};
}

// What both ways of opening say about `path`, shown as `displayName`.
std::vector<std::string> messagesFor(const fs::path& path, const std::string& displayName) {
    return {ioErrorMessage([&] { readWholeFile(path, displayName); }),
            ioErrorMessage([&] { InputFile file(path, displayName); })};
}

void expectOneLineNaming(const std::string& message, const std::string& displayName,
                         const fs::path& dir) {
    EXPECT_NE(message.find(displayName), std::string::npos) << message;
    EXPECT_EQ(message.find(dir.string()), std::string::npos) << "names the resolved path";
    EXPECT_EQ(message.find_first_of("\r\n"), std::string::npos) << message;
}

TEST(InputFileErrors, MissingFileNamesTheFileAsDisplayed) {
    TempDir tmp;
    for (const std::string& message : messagesFor(tmp.path() / "Karte.OV2", "unter\\Karte.ov2")) {
        expectOneLineNaming(message, "unter\\Karte.ov2", tmp.path());
    }
}

TEST(InputFileErrors, DirectoryNamesTheFileAsDisplayed) {
    TempDir tmp;
    fs::create_directory(tmp.path() / "Karten.ov2");
    const auto directory = messagesFor(tmp.path() / "Karten.ov2", "Karten.ov2");
    for (const std::string& message : directory) {
        expectOneLineNaming(message, "Karten.ov2", tmp.path());
    }
    const auto missing = messagesFor(tmp.path() / "Fehlt.ov2", "Karten.ov2");
    EXPECT_NE(directory.front(), missing.front()) << "a directory is told apart from no file";
}

TEST(InputFileReading, ReadsEveryByteOfTheFile) {
    TempDir tmp;
    std::string bytes(300'000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 256);
    for (const std::string& content : {std::string(), std::string("\0\x1A\r\n\xFF", 5), bytes}) {
        SCOPED_TRACE(content.size());
        writeFile(tmp.path() / "daten.asc", content);

        const kavinor::FileContents whole = readWholeFile(tmp.path() / "daten.asc", "daten.asc");
        EXPECT_TRUE(sameBytes({whole.data.get(), whole.size}, content));

        InputFile file(tmp.path() / "daten.asc", "daten.asc");
        EXPECT_EQ(file.size(), content.size());
        std::string read;
        char chunk[4096];
        for (std::size_t n; (n = file.read(chunk, sizeof chunk)) != 0;) read.append(chunk, n);
        EXPECT_TRUE(sameBytes(read, content));
    }
}

}  // namespace
