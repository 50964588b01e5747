#include "fmr_main.h"

#include "list_collation.h"

namespace kavinor::mainwindow {

FmrMain::FmrMain(platform::Platform& platform)
    : platform(platform),
      safeNames(platform.codePages, platform.separator),
      lstAuswahl1(platform::listLess),
      lstAuswahl2(platform::listLess) {}

bool FmrMain::IsFilePath(const std::string& strPath) const {
    return platform.paths.exists(platform.codePages.toAnsi(strPath));
}

void FmrMain::Wait(std::int32_t mSek) {
    platform.pause.wait(mSek);
}

void FmrMain::FillSourceList() {
    const platform::CodePages& pages = platform.codePages;
    lstAuswahl1.clear();
    for (const std::string& found : platform.directories.listFiles(pages.toAnsi(strPattern))) {
        const std::string name = pages.fromAnsi(found);
        const bool exact = pages.toAnsi(name) == found;
        if (exact && safeNames.isSafeName(name) && !lstAuswahl1.add(name)) break;
    }
    lblDatei1.setCaption("Anzahl der Input-Dateien : " + std::to_string(lstAuswahl1.count()));
}

}  // namespace kavinor::mainwindow
