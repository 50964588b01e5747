#include "drive_check.h"

#include <cstdint>

namespace kavinor::mainwindow {

void FilterDriveList(forms::DriveList& list, bool bolRemovable, bool bolCDROM, bool bolFixed,
                     bool bolRemote, bool bolRAMDisk, bool bolNoRootDir, platform::Drives& drives,
                     const platform::CodePages& codePages) {
    // Indexed by drive-type code 1 to 6.
    const bool keepType[] = {true,      bolNoRootDir, bolRemovable, bolFixed,
                             bolRemote, bolCDROM,     bolRAMDisk};
    const std::int16_t n = list.count();
    std::int32_t i = 0;
    bool keep = true;
    for (std::int16_t pass = 0; pass < n; ++pass) {
        const int type = drives.type(codePages.toAnsi(list.entries()[i]));
        if (type >= 1 && type <= 6) keep = keepType[type];
        if (keep) {
            ++i;
        } else {
            list.removeAt(static_cast<std::int16_t>(i));
        }
    }
}

}  // namespace kavinor::mainwindow
