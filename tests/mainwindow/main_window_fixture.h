#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform_doubles.h"
#include "temp_dir.h"
#include "test_program.h"

namespace kavinor::test {

// The program started and past its notice, with a tool directory and a source directory of its
// own on disk.
class MainWindow : public ::testing::Test {
protected:
    MainWindow();

    std::filesystem::path tools() const { return temp.path() / "Werkzeuge"; }
    std::filesystem::path source() const { return temp.path() / "Quelle"; }
    // Opens the input frame by `opener`, moves to `dir` and confirms.
    void confirm(forms::Button& opener, const std::filesystem::path& dir);
    // The enabled state of cmdalleweg, cmd1weg, cmd1hin, cmdallehin, cmdKonvert and lstAuswahl2,
    // as '0' and '1'.
    std::string transferStates() const;

    TempDir temp;
    FakeProcesses processes;
    TestProgram test{processes, (temp.path() / "Werkzeuge").string()};
    mainwindow::FmrMain& window = test.window;
};

}  // namespace kavinor::test
