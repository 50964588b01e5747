// The three windows over the system's own controls, driven by the controls' own messages through
// a newcomer's first merge, with the system's interpreter and the built tools.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "main_window_pixels.h"
#include "system_text.h"
#include "test_files.h"
#include "wide_text.h"
#include "windows_program.h"

namespace kavinor::test {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

std::string textOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return sys::narrow(text, CP_UTF8);
}

// The place of a control in its container's client area, as left, top, width, height.
std::vector<long> placeOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::vector<long> clientOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

std::string fontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return sys::narrow(font.lfFaceName, CP_UTF8) + " " + std::to_string(-font.lfHeight) +
           (font.lfWeight >= FW_BOLD ? " bold" : "");
}

// What each tick of the thread's timer does; the system's dialogs run loops of their own, in
// which the timer ticks too.
std::function<void()> onTick;
void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    if (onTick) onTick();
}

// The visible dialog of the system that the thread shows now, if any.
HWND systemDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM result) -> BOOL {
            wchar_t kind[16] = {};
            GetClassNameW(w, kind, 16);
            if (!IsWindowVisible(w) || std::wstring(kind) != L"#32770") return TRUE;
            *reinterpret_cast<HWND*>(result) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Answers a dialog as a user does: the save dialog with `saveAs` typed, a message box with OK.
// Logs what each showed.
void answer(HWND dialog, const std::string& saveAs, Log& log) {
    constexpr int kFileName = 0x47C, kFileNameEdit = 0x480, kFilter = 0x470, kMessageText = 0xFFFF,
                  kMessageIcon = 0x440;
    HWND name = GetDlgItem(dialog, kFileName);
    if (name == nullptr) name = GetDlgItem(dialog, kFileNameEdit);
    if (name != nullptr) {
        wchar_t filter[128] = {};
        SendDlgItemMessageW(dialog, kFilter, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
        log.push_back("save " + sys::narrow(filter, CP_UTF8) + " as " + textOf(name));
        SetWindowTextW(name, sys::widen(saveAs, CP_UTF8).c_str());
    } else {
        const auto icon =
            reinterpret_cast<HICON>(SendDlgItemMessageW(dialog, kMessageIcon, STM_GETICON, 0, 0));
        log.push_back(textOf(dialog) + ": " + textOf(GetDlgItem(dialog, kMessageText)) +
                      (icon == LoadIconW(nullptr, IDI_HAND)          ? " (stop)"
                       : icon == LoadIconW(nullptr, IDI_INFORMATION) ? " (information)"
                                                                     : " (no icon)"));
    }
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
}

// A click of the user's, through the thread's message queue as the system sends it.
void click(HWND control, POINT at = {4, 4}) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void key(WPARAM code) {
    PostMessageW(GetFocus(), WM_KEYDOWN, code, 1);
    PostMessageW(GetFocus(), WM_KEYUP, code, 0xC0000001);
}

class NativeWindows : public ::testing::Test {
protected:
    NativeWindows() {
        fs::create_directories(tools);
        for (const char* name : {"dumpov2.exe", "makeov2.exe", "icon.bmp", "aussichtspunkte.ov2",
                                 "burgen.ov2", "gipfel.ov2", "seen.ov2"}) {
            fs::copy_file(fs::path(KAVINOR_TOOL_DIR) / name, tools / name);
        }
        fs::create_directories(output.parent_path());
        SetTimer(nullptr, 0, 20, tick);
    }
    ~NativeWindows() override {
        onTick = nullptr;
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    // Handles the thread's messages until `done` holds; false after 20 s.
    bool handleUntil(const std::function<bool()>& done) {
        for (int i = 0; i < 2000 && !done(); ++i) kavinor.pump().runFor(10);
        return done();
    }
    HWND control(const forms::Window& window, std::string_view name) {
        return kavinor.frontEnd().view(window).controlWindow(name);
    }
    std::string focused() {
        for (const auto* w : kavinor.program().windows()) {
            for (const forms::ControlLayout& entry : w->layout().controls) {
                if (control(*w, entry.name) == GetFocus() && GetFocus() != nullptr) {
                    return std::string(entry.name);
                }
            }
        }
        return "?";
    }

    const fs::path dir =
        fs::temp_directory_path() / ("kavinor-gui-" + std::to_string(GetCurrentProcessId()) + "-" +
                                     std::to_string(GetTickCount64()));
    const fs::path tools = dir / L"Werkzeuge \u00e4";
    const fs::path output = dir / L"Ausgabe \u00f6" / L"alle Gipfel.ov2";
    app::WindowsProgram kavinor{sys::textOf(tools)};
    program::Program& program = kavinor.program();
    mainwindow::FmrMain& window = program.fmrMain;
};

TEST_F(NativeWindows, FirstMergeByTheKeyboardAndTheControlsOwnMessages) {
    // The notice: a dialog frame without a title bar, out of the task bar, OK focused.
    program.start();
    const HWND notice = kavinor.frontEnd().view(program.frmSplash).hwnd();
    EXPECT_TRUE(IsWindowVisible(notice));
    EXPECT_EQ(GetWindowLongW(notice, GWL_STYLE) & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME),
              WS_DLGFRAME);
    EXPECT_NE(GetWindow(notice, GW_OWNER), nullptr);
    EXPECT_EQ(clientOf(notice), (std::vector<long>{482, 329}));
    EXPECT_EQ(placeOf(control(program.frmSplash, "Frame1")), (std::vector<long>{16, 8, 455, 309}));
    EXPECT_EQ(placeOf(control(program.frmSplash, "cmdOK")), (std::vector<long>{192, 272, 81, 25}));
    const HWND info = control(program.frmSplash, "lblInfo");
    EXPECT_EQ(fontOf(info), "MS Sans Serif 11 bold");
    EXPECT_LE(std::abs(placeOf(info)[0] * 2 + placeOf(info)[2] - 455), 1);
    EXPECT_EQ(fontOf(control(program.frmSplash, "lblProductName")), "Arial 43 bold");
    const std::vector<long> version = placeOf(control(program.frmSplash, "lblVersion"));
    EXPECT_EQ(version[0] + version[2], 277);
    EXPECT_EQ(focused(), "cmdOK");
    key(VK_RETURN);
    const HWND main = kavinor.frontEnd().view(window).hwnd();
    ASSERT_TRUE(handleUntil([&] { return IsWindowVisible(main) != 0; }));
    EXPECT_FALSE(IsWindowVisible(notice));

    // The main window: fixed, a close box only, in the task bar, at the table's pixels.
    EXPECT_EQ(GetWindowLongW(main, GWL_STYLE) &
                  (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
    EXPECT_EQ(textOf(main), "Kavinor V0.75 - Kavinor-Team");
    EXPECT_EQ(clientOf(main), (std::vector<long>{kMainClientWidth, kMainClientHeight}));
    for (const PixelPlace& p : kMainWindowPixels) {
        EXPECT_EQ(placeOf(control(window, p.name)),
                  (std::vector<long>{p.left, p.top, p.width, p.height}))
            << p.name;
    }
    EXPECT_EQ(textOf(control(window, "cmdStart")), "Convert \".ov2\"");
    EXPECT_EQ(fontOf(control(window, "lblLogo")), "MS Sans Serif 32 bold");
    EXPECT_EQ(fontOf(control(window, "cmdStart")), "MS Sans Serif 11");
    // Earlier in the layout lies above: the input frame over the lists.
    std::vector<std::string> stacked;
    for (HWND w = GetWindow(main, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        for (const char* name : {"fraInput", "lstAuswahl1", "cmdKonvert"}) {
            if (w == control(window, name)) stacked.push_back(name);
        }
    }
    EXPECT_EQ(stacked, (std::vector<std::string>{"fraInput", "cmdKonvert", "lstAuswahl1"}));
    const HMENU bar = GetMenu(main);
    std::vector<std::string> menu;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        const HMENU items = GetSubMenu(bar, i);
        for (int j = -1; j < GetMenuItemCount(items); ++j) {
            wchar_t caption[64] = {};
            GetMenuStringW(j < 0 ? bar : items, j < 0 ? i : j, caption, 64, MF_BYPOSITION);
            const UINT state = GetMenuState(items, j, MF_BYPOSITION);
            menu.push_back(j < 0 ? sys::narrow(caption, CP_UTF8)
                           : (state & MF_SEPARATOR) != 0
                               ? "  -"
                               : "  " + sys::narrow(caption, CP_UTF8) +
                                     ((state & MF_GRAYED) ? " (grau)" : ""));
        }
    }
    EXPECT_EQ(menu, (std::vector<std::string>{
                        "Datei", "  Neu", "  -", "  Convert \".ov2\"", "  Convert \".asc\"", "  -",
                        "  Beenden", "?", "  Link zu der benötigten Software", "  Feature request",
                        "  Bug melden", "  -", "  Error-Log erstellen", "  -", "  Hilfe (grau)",
                        "  About"}));
    const HMENU help = GetSubMenu(bar, 1);
    SendMessageW(main, WM_COMMAND, GetMenuItemID(help, 4), 0);
    EXPECT_TRUE(window.mnuError.checked());
    EXPECT_TRUE(GetMenuState(help, 4, MF_BYPOSITION) & MF_CHECKED);
    SendMessageW(main, WM_COMMAND, GetMenuItemID(help, 4), 0);
    EXPECT_FALSE(window.mnuError.checked() || (GetMenuState(help, 4, MF_BYPOSITION) & MF_CHECKED));

    // About is modal: while it is shown, a click in the main window does nothing.
    bool aboutShown = false;
    onTick = [&] {
        const HWND about = kavinor.frontEnd().view(program.frmAbout).hwnd();
        if (aboutShown || !IsWindowVisible(about)) return;
        aboutShown = true;
        EXPECT_EQ(GetWindowLongW(about, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, WS_EX_DLGMODALFRAME);
        EXPECT_EQ(textOf(control(program.frmAbout, "lblVersion")), "Version V0.75");
        click(control(window, "cmdStart"));
        key(VK_RETURN);  // the focused OK
    };
    SendMessageW(main, WM_COMMAND, GetMenuItemID(help, 7), 0);
    EXPECT_TRUE(aboutShown);
    EXPECT_FALSE(window.fraInput.visible());

    // The input frame at the tool directory, which holds the samples; Tab stays inside it.
    SendMessageW(control(window, "cmdStart"), BM_CLICK, 0, 0);
    ASSERT_TRUE(IsWindowVisible(control(window, "fraInput")));
    const HWND dirs = control(window, "Dir");
    EXPECT_EQ(SendMessageW(dirs, LB_GETCURSEL, 0, 0) + 1, SendMessageW(dirs, LB_GETCOUNT, 0, 0));
    SetFocus(control(window, "Drive"));
    std::vector<std::string> order;
    for (int i = 0; i < 5; ++i) {
        key(VK_TAB);
        kavinor.pump().runFor(20);
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Dir", "cmdOK", "cmdAbbrechen", "Drive", "Dir"}));
    // The parent directory opened by Enter, the tool directory by a double-click.
    const int parent = static_cast<int>(SendMessageW(dirs, LB_GETCURSEL, 0, 0)) - 1;
    SendMessageW(dirs, LB_SETCURSEL, parent, 0);
    key(VK_RETURN);
    ASSERT_TRUE(handleUntil([&] { return window.Dir.path() == sys::textOf(dir); }));
    RECT row;
    SendMessageW(dirs, LB_GETITEMRECT, SendMessageW(dirs, LB_GETCOUNT, 0, 0) - 1,
                 reinterpret_cast<LPARAM>(&row));
    click(dirs, {row.left + 30, row.top + 2});
    PostMessageW(dirs, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 30, row.top + 2));
    ASSERT_TRUE(handleUntil([&] { return window.Dir.path() == sys::textOf(tools); }));
    SendMessageW(control(window, "cmdOK"), BM_CLICK, 0, 0);
    const HWND sources = control(window, "lstAuswahl1");
    ASSERT_EQ(SendMessageW(sources, LB_GETCOUNT, 0, 0), 4);

    // A click on a row, ">" by Enter, then the window's whole tab order.
    SendMessageW(sources, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    click(sources, {row.left + 4, row.top + 2});
    kavinor.pump().runFor(20);
    EXPECT_EQ(window.lstAuswahl1.selectedIndex(), 2);
    SetFocus(control(window, "cmd1hin"));
    key(VK_RETURN);
    kavinor.pump().runFor(20);
    EXPECT_EQ(window.lstAuswahl2.entries(), (std::vector<std::string>{"gipfel.ov2"}));
    SetFocus(sources);
    order.clear();
    for (int i = 0; i < 10; ++i) {
        key(VK_TAB);
        kavinor.pump().runFor(20);
        order.push_back(focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"lstAuswahl2", "cmd1hin", "cmd1weg", "cmdallehin",
                                               "cmdalleweg", "cmdKonvert", "cmdStart", "cmdStart1",
                                               "lstAuswahl1", "lstAuswahl2"}));
    SendMessageW(control(window, "cmdallehin"), BM_CLICK, 0, 0);

    // The run, with impatient clicks while each script runs; the step caption shows meanwhile.
    Log log;
    std::set<std::string> captions;
    std::string saveAs = sys::textOf(output);
    std::set<HWND> answered;
    onTick = [&] {
        if (const HWND dialog = systemDialog()) {
            if (answered.insert(dialog).second) answer(dialog, saveAs, log);
            return;
        }
        const std::string caption = textOf(control(window, "cmdKonvert"));
        if (caption != "Komplette LUV Datei erstellen" && captions.insert(caption).second) {
            click(control(window, "cmdKonvert"));
            click(control(window, "cmdStart"));
        }
    };
    SendMessageW(control(window, "cmdKonvert"), BM_CLICK, 0, 0);
    EXPECT_EQ(log, (Log{"save LUV-Dateien (*.ov2) as ",
                        "Konvertierung beendet: Komplette .ov2 Datei wurde erfolgreich erstellt ! "
                        "(information)"}));
    EXPECT_FALSE(captions.empty());
    EXPECT_FALSE(window.fraInput.visible());
    EXPECT_EQ(textOf(control(window, "txtov2")), sys::textOf(output));
    const std::string merged = readFile(output);
    if (const char* linux = std::getenv("KAVINOR_LINUX_MERGES")) {
        EXPECT_TRUE(merged == readFile(fs::path(linux) / "alle-ov2.ov2"));
    }

    // Without makeov2.exe: the dialog offers the name chosen before, in its directory; the run
    // fails and the first output stays.
    fs::remove(tools / "makeov2.exe");
    log.clear();
    answered.clear();
    SendMessageW(control(window, "cmdKonvert"), BM_CLICK, 0, 0);
    EXPECT_EQ(log, (Log{"save LUV-Dateien (*.ov2) as alle Gipfel.ov2",
                        "Fehler: Fehler bei Dateierstellung!\r\nBitte ERROR-LOG einschalten und "
                        "Vorgang erneut ausf\u00fchren!\r\nDie Datei ERROR.BUG wird im "
                        "Zielverzeichnis erstellt!\r\nDiese Datei bitte per eMail an "
                        "support@kavinor.example senden! (stop)"}));
    EXPECT_TRUE(readFile(output) == merged);
    onTick = nullptr;

    // At 144 dots per inch every place scales and no caption is cut off; back at 96 as before.
    RECT suggested;
    GetWindowRect(main, &suggested);
    SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(clientOf(main), (std::vector<long>{987, 656}));
    EXPECT_EQ(placeOf(control(window, "cmdKonvert")), (std::vector<long>{12, 432, 962, 50}));
    for (const PixelPlace& p : kMainWindowPixels) {
        const HWND c = control(window, p.name);
        const std::wstring text = sys::widen(textOf(c), CP_UTF8);
        const HDC dc = GetDC(c);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)));
        RECT needed{0, 0, 0, 0};
        DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_NOPREFIX);
        ReleaseDC(c, dc);
        EXPECT_LE(needed.right, placeOf(c)[2]) << p.name;
    }
    SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(clientOf(main), (std::vector<long>{658, 437}));
    EXPECT_EQ(placeOf(control(window, "lblLogo")), (std::vector<long>{328, 0, 329, 41}));

    SendMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_FALSE(program.running());
}

}  // namespace
}  // namespace kavinor::test
