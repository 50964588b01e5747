#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "drive_check.h"
#include "fmr_main.h"
#include "name_fold.h"

// Choosing the kind of input and the directory that holds it: the input frame with its drive and
// directory lists, its confirmation and its cancel.

namespace kavinor::mainwindow {

void FmrMain::cmdStart_Click() {
    openInput(true);
}

void FmrMain::cmdStart1_Click() {
    openInput(false);
}

void FmrMain::openInput(bool ov2Mode) {
    const platform::CodePages& pages = platform.codePages;
    fraInput.setVisible(true);
    // A tool directory on no drive (a network path) leaves the drive list as it is.
    const std::string drive =
        pages.fromAnsi(platform.drives.driveOf(pages.toAnsi(platform.toolDirectory)));
    if (!drive.empty()) Drive.setDrive(drive);
    Dir.setPath(platform.toolDirectory);
    filterDrives();
    cmdStart.setEnabled(false);
    cmdStart1.setEnabled(false);
    bolOv2Mode = ov2Mode;
    fraInput.setCaption(ov2Mode ? "Verzeichnis der .ov2 Datein auswählen !"
                                : "Verzeichnis der .asc Datein auswählen !");
    setEnabled({&mnuConvertASC, &mnuConvertOV2, &mnuAbout, &mnuEnde, &mnuNeu}, false);
}

void FmrMain::filterDrives() {
    FilterDriveList(Drive, false, false, true, true, true, false, platform.drives,
                    platform.codePages);
}

// Each step runs whatever became of the one before: a drive that cannot be read leaves the
// directory list where it was.
void FmrMain::Drive_Change() {
    const platform::CodePages& pages = platform.codePages;
    filterDrives();
    Dir.setPath(pages.fromAnsi(platform.drives.directoryOf(pages.toAnsi(Drive.drive()))));
    Dir.refresh();
    File.setPattern("*.ov2");
    File.setPath(Dir.path());
}

void FmrMain::Drive_GotFocus() {
    filterDrives();
}

void FmrMain::Dir_Change() {
    File.setPath(Dir.path());
    File.setPattern("*.ov2");
}

void FmrMain::cmdOK_Click() {
    lstAuswahl1.clear();
    lstAuswahl2.clear();
    strPattern = File.path() + (bolOv2Mode ? "\\*.ov2" : "\\*.asc");
    strSourceDir = File.path();
    FillSourceList();
    if (lstAuswahl1.count() > 0) {
        cmdKonvert.setEnabled(false);
        setEnabled({&cmdalleweg, &cmd1weg, &cmd1hin, &cmdallehin, &lstAuswahl2}, true);
    }
    confirmedOv2Mode_ = bolOv2Mode;
    setInputClosed();
}

// The lists keep the files of the last confirmation, and so does the source mode: a run after a
// cancel treats them as what they are.
void FmrMain::cmdAbbrechen_Click() {
    bolOv2Mode = confirmedOv2Mode_;
    setInputClosed();
}

void FmrMain::setInputClosed() {
    fraInput.setVisible(false);
    setEnabled(
        {&cmdStart, &cmdStart1, &mnuConvertASC, &mnuConvertOV2, &mnuAbout, &mnuEnde, &mnuNeu},
        true);
}

std::optional<std::vector<std::string>> FmrMain::subdirectories(const std::string& dir) {
    const std::optional<std::vector<std::string>> found =
        platform.directories.listDirectories(platform.codePages.toAnsi(dir));
    if (!found) return std::nullopt;
    std::vector<std::pair<std::string, std::string>> keyed = exactNames(*found);
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> names;
    for (auto& [key, name] : keyed) names.push_back(std::move(name));
    return names;
}

std::string FmrMain::driveRoot(const std::string& path) {
    const platform::CodePages& pages = platform.codePages;
    const std::string drive = platform.drives.driveOf(pages.toAnsi(path));
    if (drive.empty()) return {};
    const std::string root = pages.fromAnsi(platform.drives.root(drive));
    // The drive may be named in other letters than the path ("c:" of "C:\\Karten"): the path
    // keeps its own spelling of the root.
    if (path.size() >= root.size() && winpath::equalFolded(path.substr(0, root.size()), root)) {
        return path.substr(0, root.size());
    }
    return root;
}

}  // namespace kavinor::mainwindow
