#pragma once

#include <span>
#include <string_view>

// A window as data: its frame, its size and every control and menu item with the values it
// starts from. A front end creates a whole window from its table alone.

namespace kavinor::forms {

enum class Kind {
    Frame,
    Button,
    Label,
    TextBox,
    ListBox,
    DriveList,
    DirList,
    FileList,
    SaveDialog,  // no place in the window: the system's file dialog
};

enum class Align { Left, Right, Center };

struct Font {
    std::string_view face;
    double points;
    bool bold;
};

// The font of every control that names none.
inline constexpr Font kDialogFont{"MS Sans Serif", 8.25, false};

// Positions and sizes in twips: 1440 an inch, so 15 a pixel at 96 dpi. Left and top count from
// the container's client area.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ControlLayout {
    std::string_view name;
    Kind kind;
    std::string_view container;  // empty for the window itself
    std::string_view caption;    // a text box's text
    Rect twips;
    int tab = 0;  // place in the window's keyboard focus order
    Font font = kDialogFont;
    Align align = Align::Left;
    bool autoSize = false;
    bool enabled = true;
    bool visible = true;
};

// One entry of the menu bar (level 1) or of a drop-down menu (level 2). A caption "-" is a
// separator line.
struct MenuLayout {
    int level;
    std::string_view name;
    std::string_view caption;
    bool enabled = true;
    bool checked = false;

    bool separator() const { return caption == "-"; }
};

enum class Border {
    FixedSingle,  // a title bar, not resizable
    FixedDialog,  // a dialog frame, not resizable
};

struct WindowLayout {
    std::string_view name;
    std::string_view caption;
    Border border;
    bool titleBar;
    bool closeButton;  // no minimise or maximise button in any window
    bool inTaskBar;
    bool icon;        // the program's own icon
    int clientWidth;  // twips, without border, title and menu bars
    int clientHeight;
    bool centred;
    std::span<const ControlLayout> controls;  // in layout order
    std::span<const MenuLayout> menu;         // in display order
};

}  // namespace kavinor::forms
