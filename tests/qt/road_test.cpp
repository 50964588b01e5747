#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "poi_files.h"
#include "posix_processes.h"
#include "qt_program.h"
#include "temp_dir.h"
#include "test_files.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;

// The road of a newcomer's first merge, clicked through the windows with the real interpreter
// and tools, from a tool directory that holds them all or misses one.
struct Road {
    const char* missing;  // the file left out of the tool directory, or nothing
    bool merged;          // without icon.bmp, only the bitmap beside the output is missing
};

class Roads : public ::testing::TestWithParam<Road> {
protected:
    Roads() {
        for (const char* name : {"kvcmd", "dumpov2", "makeov2", "icon.bmp"}) {
            if (GetParam().missing != std::string_view(name)) {
                fs::copy_file(fs::path(KAVINOR_TOOL_DIR) / name, tools() / name);
            }
        }
    }
    fs::path tools() const {
        fs::create_directories(temp.path() / "Werkzeuge");
        return temp.path() / "Werkzeuge";
    }
    fs::path source() const { return temp.path() / "Meine Karten"; }
    fs::path output() const { return temp.path() / "Ausgabe" / "alle.ov2"; }

    TempDir temp;
    platform::PosixProcesses system{(tools() / "kvcmd").string()};
    QtProgram app{system, tools().string()};
};

TEST_P(Roads, FromTheNoticeToTheMergedFileOfTheChosenPois) {
    const std::vector<Poi> burgen{{712345, 4812345, "Burg", "", "", false}};
    const std::vector<Poi> seen{{812345, 4712345, "See", "id", "x", true},
                                {812346, 4712346, "Weiher", "", "", false}};
    writeFile(source() / "burgen.ov2", ov2File(burgen));
    writeFile(source() / "seen.ov2", ov2File(seen));
    writeFile(source() / "gipfel.ov2", ov2File({{1, 2, "Gipfel", "", "", false}}));
    fs::create_directories(output().parent_path());

    ASSERT_TRUE(app.startToMainWindow());
    app.click(app.window, "cmdStart");
    EXPECT_EQ(app.widget<QComboBox>(app.window, "Drive")->currentText(), "/");
    ASSERT_TRUE(app.openDirectory(source().string()));
    app.click(app.window, "cmdOK");
    auto* list = app.widget<QListWidget>(app.window, "lstAuswahl1");
    ASSERT_EQ(list->count(), 3);
    for (const char* chosen : {"burgen.ov2", "seen.ov2"}) {
        QListWidgetItem* item = list->findItems(chosen, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << chosen;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
        app.click(app.window, "cmd1hin");
    }
    DialogAnswers answers(QString::fromStdString(output().string()));
    app.click(app.window, "cmdKonvert");

    EXPECT_EQ(answers.saveDialogs, 1);
    EXPECT_EQ(answers.nameFilters, QStringList{"LUV-Dateien (*.ov2)"});
    EXPECT_FALSE(answers.asksToOverwrite);
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0].buttons, 1);
    auto* path = app.widget<QLineEdit>(app.window, "txtov2");
    if (GetParam().merged) {
        EXPECT_EQ(answers.messages[0].text, "Komplette .ov2 Datei wurde erfolgreich erstellt !");
        EXPECT_EQ(answers.messages[0].icon, QMessageBox::Information);
        EXPECT_EQ(sorted(readOv2(readFile(output()))), joined({burgen, seen}));
        EXPECT_EQ(path->text().toStdString(), output().string());
        EXPECT_TRUE(path->isVisible());
    } else {
        EXPECT_EQ(answers.messages[0].icon, QMessageBox::Critical);
        EXPECT_FALSE(fs::exists(output()));
    }

    // A second run offers the name chosen before.
    answers.saveAs.clear();
    app.click(app.window, "cmdKonvert");
    EXPECT_EQ(answers.saveDialogs, 2);
    EXPECT_EQ(answers.preselected.value(0).toStdString(), output().string());
}

INSTANTIATE_TEST_SUITE_P(Qt, Roads,
                         ::testing::Values(Road{"", true}, Road{"kvcmd", false},
                                           Road{"makeov2", false}, Road{"icon.bmp", true}),
                         [](const ::testing::TestParamInfo<Road>& info) {
                             if (!*info.param.missing) return std::string("with_every_tool");
                             std::string name = std::string("without_") + info.param.missing;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

}  // namespace
}  // namespace kavinor::test
