#include "native_dialogs.h"

#include <windows.h>
// After windows.h, whose types it uses.
#include <commdlg.h>

#include <algorithm>

#include "control_view.h"
#include "wide_text.h"

namespace kavinor::win32ui {
namespace {

// The longest path the dialog hands back.
constexpr std::size_t kPathRoom = 32768;

}  // namespace

bool NativeSaveDialog::showSave() {
    // Description and pattern pairs, each text ended by a NUL, the whole by a second one.
    std::wstring filter = nativeText(filter_);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.append(2, L'\0');
    std::wstring file = nativeText(fileName_);
    file.resize(kPathRoom, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(filterIndex_);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return false;
    fileName_ = sys::narrow(file.c_str(), CP_UTF8);
    return true;
}

void NativeMessageDialog::show(const std::string& text, int style, const std::string& title) {
    // The styles are the system's own: a stop or an information icon, one OK button.
    const UINT icon = static_cast<UINT>(style) & MB_ICONMASK;
    MessageBoxW(GetActiveWindow(), nativeText(text).c_str(), nativeText(title).c_str(),
                MB_OK | icon);
}

}  // namespace kavinor::win32ui
