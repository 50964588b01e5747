#include "fmr_main.h"

#include <algorithm>
#include <utility>

#include "fmr_main_layout.h"

namespace kavinor::mainwindow {

FmrMain::FmrMain(platform::Platform& platform, forms::InputGate& gate, forms::Window& frmSplash,
                 forms::Window& frmAbout)
    : forms::Window(kFmrMainLayout, gate),
      platform(platform),
      safeNames(platform.codePages, platform.separator),
      Dir({[this](const std::string& dir) { return subdirectories(dir); },
           [this](const std::string& path) { return driveRoot(path); }, platform.separator}),
      lstAuswahl2([&platform](std::string_view text) { return platform.collation.sortKey(text); }),
      lstAuswahl1([&platform](std::string_view text) { return platform.collation.sortKey(text); }),
      frmSplash_(frmSplash),
      frmAbout_(frmAbout) {
    for (auto [name, control] : std::initializer_list<std::pair<const char*, forms::Control*>>{
             {"fraInput", &fraInput},
             {"cmdAbbrechen", &cmdAbbrechen},
             {"cmdOK", &cmdOK},
             {"Dir", &Dir},
             {"Drive", &Drive},
             {"fraAuswahl", &fraAuswahl},
             {"cmdStart1", &cmdStart1},
             {"cmdStart", &cmdStart},
             {"txtov2", &txtov2},
             {"File", &File},
             {"cmdKonvert", &cmdKonvert},
             {"cmdalleweg", &cmdalleweg},
             {"cmdallehin", &cmdallehin},
             {"cmd1weg", &cmd1weg},
             {"cmd1hin", &cmd1hin},
             {"lstAuswahl2", &lstAuswahl2},
             {"lstAuswahl1", &lstAuswahl1},
             {"lblLogo", &lblLogo},
             {"lblPfad", &lblPfad},
             {"lblDatei2", &lblDatei2},
             {"lblDatei1", &lblDatei1},
             {"mnuDatei", &mnuDatei},
             {"mnuNeu", &mnuNeu},
             {"mnuConvertOV2", &mnuConvertOV2},
             {"mnuConvertASC", &mnuConvertASC},
             {"mnuEnde", &mnuEnde},
             {"mnuFrage", &mnuFrage},
             {"mnuLink", &mnuLink},
             {"mnuFeature", &mnuFeature},
             {"mnuBug", &mnuBug},
             {"mnuError", &mnuError},
             {"mnuHilfe", &mnuHilfe},
             {"mnuAbout", &mnuAbout}}) {
        add(name, *control);
    }
    mnuNeu.clicked.connect([this] { mnuNeu_Click(); });
    mnuEnde.clicked.connect([this] { mnuEnde_Click(); });
    cmdStart.clicked.connect([this] { cmdStart_Click(); });
    cmdStart1.clicked.connect([this] { cmdStart1_Click(); });
    mnuConvertOV2.clicked.connect([this] { mnuConvertOV2_Click(); });
    mnuConvertASC.clicked.connect([this] { mnuConvertASC_Click(); });
    Drive.driveChanged.connect([this] { Drive_Change(); });
    Drive.gotFocus.connect([this] { Drive_GotFocus(); });
    Dir.pathChanged.connect([this] { Dir_Change(); });
    cmdOK.clicked.connect([this] { cmdOK_Click(); });
    cmdAbbrechen.clicked.connect([this] { cmdAbbrechen_Click(); });
    cmd1hin.clicked.connect([this] { cmd1hin_Click(); });
    cmdallehin.clicked.connect([this] { cmdallehin_Click(); });
    cmd1weg.clicked.connect([this] { cmd1weg_Click(); });
    cmdalleweg.clicked.connect([this] { cmdalleweg_Click(); });
}

bool FmrMain::IsFilePath(const std::string& strPath) const {
    return platform.paths.exists(platform.codePages.toAnsi(strPath));
}

void FmrMain::Wait(std::int32_t mSek) {
    platform.pause.wait(mSek);
}

void FmrMain::FillSourceList() {
    std::vector<std::pair<std::string, std::string>> found =
        exactNames(platform.directories.listFiles(platform.codePages.toAnsi(strPattern)));
    std::erase_if(found, [this](const auto& entry) { return !safeNames.isSafeName(entry.second); });
    // Of more names than the list holds, the same ones on every run: those that sort first.
    const auto kept = std::min<std::size_t>(found.size(), forms::ListBox::kMaxEntries);
    const auto end = found.begin() + static_cast<std::ptrdiff_t>(kept);
    if (kept < found.size()) std::nth_element(found.begin(), end, found.end());
    std::sort(found.begin(), end);
    lstAuswahl1.clear();
    for (std::size_t i = 0; i < kept; ++i) {
        lstAuswahl1.add(std::move(found[i].second), std::move(found[i].first));
    }
    lblDatei1.setCaption("Anzahl der Input-Dateien : " + std::to_string(lstAuswahl1.count()));
}

std::vector<std::pair<std::string, std::string>> FmrMain::exactNames(
    const std::vector<std::string>& listed) const {
    const platform::CodePages& pages = platform.codePages;
    std::vector<std::pair<std::string, std::string>> keyed;
    for (const std::string& bytes : listed) {
        std::string name = pages.fromAnsi(bytes);
        if (pages.toAnsi(name) == bytes) {
            keyed.emplace_back(platform.collation.sortKey(name), std::move(name));
        }
    }
    return keyed;
}

void FmrMain::created() {
    const platform::CodePages& pages = platform.codePages;
    std::vector<std::string> drives;
    for (const std::string& drive : platform.drives.list()) drives.push_back(pages.fromAnsi(drive));
    // As a new window finds them: the lists stand at the program's own directory.
    const std::string& toolDir = platform.toolDirectory;
    Drive.fill(std::move(drives), pages.fromAnsi(platform.drives.driveOf(pages.toAnsi(toolDir))));
    Dir.start(toolDir);
    File.setPath(toolDir);
}

void FmrMain::Form_Load() {
    showStartState();
    strVersion = "0.75";
    lblLogo.setCaption("Kavinor V" + strVersion);
    setCaption("Kavinor V" + strVersion + kCaptionSuffix);
}

// Steps 1 to 9 of the load step, which the reset repeats.
void FmrMain::showStartState() {
    frmAbout_.hide();
    frmSplash_.unload();
    frmAbout_.unload();
    setEnabled({&cmdKonvert, &cmdalleweg, &cmd1weg, &cmd1hin, &cmdallehin}, false);
    fraInput.setVisible(false);
    txtov2.setVisible(false);
    lblPfad.setVisible(false);
    lstAuswahl2.setEnabled(false);
    lstAuswahl1.clear();
    lstAuswahl2.clear();
    cmdStart1.setEnabled(true);
    cmdStart.setEnabled(true);
    txtov2.setText("");
}

void FmrMain::setEnabled(std::initializer_list<forms::Control*> controls, bool enabled) {
    for (forms::Control* c : controls) c->setEnabled(enabled);
}

void FmrMain::mnuNeu_Click() {
    showStartState();
}

void FmrMain::mnuEnde_Click() {
    frmSplash_.unload();
    unload();
    frmAbout_.unload();
}

void FmrMain::Form_Terminate() {
    frmAbout_.unload();
}

}  // namespace kavinor::mainwindow
