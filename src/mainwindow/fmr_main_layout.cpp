#include "fmr_main_layout.h"

#include <array>

namespace kavinor::mainwindow {
namespace {

using forms::Align;
using forms::Kind;

constexpr forms::Font kLogoFont{"MS Sans Serif", 24, true};

constexpr std::array kControls{
    forms::ControlLayout{"fraInput",
                         Kind::Frame,
                         "",
                         "Verzeichnis der .ov2 Datein auswählen !",
                         {2280, 1080, 6135, 4335},
                         9},
    forms::ControlLayout{
        "cmdAbbrechen", Kind::Button, "fraInput", "Abbrechen", {4200, 3720, 1695, 495}, 13},
    forms::ControlLayout{"cmdOK", Kind::Button, "fraInput", "OK", {240, 3720, 1695, 495}, 12},
    forms::ControlLayout{"Dir", Kind::DirList, "fraInput", "", {240, 840, 5655, 2565}, 11},
    forms::ControlLayout{"Drive", Kind::DriveList, "fraInput", "", {240, 360, 5655, 315}, 10},
    forms::ControlLayout{
        "fraAuswahl", Kind::Frame, "", "Konvertierungs - Auswahl", {120, 600, 3135, 855}, 18},
    forms::ControlLayout{
        "cmdStart1", Kind::Button, "fraAuswahl", "Convert \".asc\"", {1680, 240, 1215, 495}, 20},
    forms::ControlLayout{
        "cmdStart", Kind::Button, "fraAuswahl", "Convert \".ov2\"", {240, 240, 1215, 495}, 19},
    forms::ControlLayout{"txtov2", Kind::TextBox, "", "", {120, 5640, 9615, 285}, 15},
    forms::ControlLayout{"comSpeich", Kind::SaveDialog, "", "", {}, 0},
    // The file list has no role for the user; it only keeps the source directory.
    forms::ControlLayout{"File",
                         Kind::FileList,
                         "",
                         "",
                         {9600, 6240, 255, 285},
                         14,
                         forms::kDialogFont,
                         Align::Left,
                         false,
                         true,
                         false},
    forms::ControlLayout{
        "cmdKonvert", Kind::Button, "", "Komplette LUV Datei erstellen", {120, 4320, 9615, 495}, 7},
    forms::ControlLayout{"cmdalleweg", Kind::Button, "", "<<", {4680, 3120, 495, 375}, 6},
    forms::ControlLayout{"cmdallehin", Kind::Button, "", ">>", {4680, 2520, 495, 375}, 5},
    forms::ControlLayout{"cmd1weg", Kind::Button, "", "<", {4680, 3720, 495, 375}, 4},
    forms::ControlLayout{"cmd1hin", Kind::Button, "", ">", {4680, 1920, 495, 375}, 2},
    forms::ControlLayout{"lstAuswahl2", Kind::ListBox, "", "", {5280, 1920, 4455, 2205}, 1},
    forms::ControlLayout{"lstAuswahl1", Kind::ListBox, "", "", {120, 1920, 4455, 2205}, 0},
    forms::ControlLayout{
        "lblLogo", Kind::Label, "", "Kavinor V", {4920, 0, 4935, 615}, 17, kLogoFont},
    forms::ControlLayout{"lblPfad",
                         Kind::Label,
                         "",
                         "Pfad und Dateiname oder Kompletten \".ov2\" Datei",
                         {120, 5280, 4575, 375},
                         16},
    forms::ControlLayout{
        "lblDatei2", Kind::Label, "", "Anzahl der Export-Dateien : 0", {5280, 1680, 4455, 255}, 8},
    forms::ControlLayout{
        "lblDatei1", Kind::Label, "", "Anzahl der Import-Dateien : 0", {120, 1680, 4455, 255}, 3},
};

constexpr std::array kMenu{
    forms::MenuLayout{1, "mnuDatei", "Datei"},
    forms::MenuLayout{2, "mnuNeu", "Neu"},
    forms::MenuLayout{2, "mnuStrich1", "-"},
    forms::MenuLayout{2, "mnuConvertOV2", "Convert \".ov2\""},
    forms::MenuLayout{2, "mnuConvertASC", "Convert \".asc\""},
    forms::MenuLayout{2, "mnuStrich", "-"},
    forms::MenuLayout{2, "mnuEnde", "Beenden"},
    forms::MenuLayout{1, "mnuFrage", "?"},
    forms::MenuLayout{2, "mnuLink", "Link zu der benötigten Software"},
    forms::MenuLayout{2, "mnuFeature", "Feature request"},
    forms::MenuLayout{2, "mnuBug", "Bug melden"},
    forms::MenuLayout{2, "mnuStrich2", "-"},
    forms::MenuLayout{2, "mnuError", "Error-Log erstellen"},
    forms::MenuLayout{2, "mnuStrich3", "-"},
    // An item without an action: shown greyed.
    forms::MenuLayout{2, "mnuHilfe", "Hilfe", false},
    forms::MenuLayout{2, "mnuAbout", "About"},
};

}  // namespace

const forms::WindowLayout kFmrMainLayout{
    "fmrMain", "Kavinor V", forms::Border::FixedSingle, true, true, true, true, 9870, 6555, true,
    kControls, kMenu};

}  // namespace kavinor::mainwindow
