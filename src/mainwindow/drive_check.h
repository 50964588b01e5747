#pragma once

#include "code_pages.h"
#include "drive_list.h"
#include "drives.h"

// Module DriveCheck: keeps the drives of wanted types in the drive list.

namespace kavinor::mainwindow {

// Walks the drive list once and removes each drive whose type the flag of that type forbids. A
// drive whose type cannot be told (code 0, or a code above 6) shares the verdict of the entry
// before it, and is kept when it comes first.
void FilterDriveList(forms::DriveList& list, bool bolRemovable, bool bolCDROM, bool bolFixed,
                     bool bolRemote, bool bolRAMDisk, bool bolNoRootDir, platform::Drives& drives,
                     const platform::CodePages& codePages);

}  // namespace kavinor::mainwindow
