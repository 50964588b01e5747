#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "control_view.h"
#include "dir_list.h"
#include "drive_list.h"
#include "list_box.h"

// The view of each kind of forms control.

namespace kavinor::win32ui {

// A frame hides what lies below it: it paints its whole area, the etched line and the caption
// on it at the top left.
class FrameView final : public ControlView {
public:
    FrameView(forms::Frame& frame, const forms::ControlLayout& layout, HWND parent);
    void paint(HDC dc) const;
    bool takesFocus() const override { return false; }

private:
    void mirror() override;
    forms::Frame& frame_;
};

class ButtonView final : public ControlView {
public:
    ButtonView(forms::Button& button, const forms::ControlLayout& layout, HWND parent);
    void command(WORD code) override;
    // Enter presses the focused button as Space does: no button is its window's default.
    bool enter() override;

private:
    void mirror() override;
    forms::Button& button_;
};

// A label that sizes itself to its text keeps the edge its alignment names, or its centre.
class LabelView final : public ControlView {
public:
    LabelView(forms::Label& label, const forms::ControlLayout& layout, HWND parent);
    bool takesFocus() const override { return false; }

private:
    void mirror() override;
    forms::Label& label_;
};

// Shows a path for the user to read and copy; the user does not edit it.
class TextBoxView final : public ControlView {
public:
    TextBoxView(forms::TextBox& box, const forms::ControlLayout& layout, HWND parent);

private:
    void mirror() override;
    forms::TextBox& box_;
};

// Follows the list's notices one change at a time, so it never rebuilds a long list; a batch of
// changes, such as a fill, is drawn once when it is over.
class ListBoxView final : public ControlView {
public:
    ListBoxView(forms::ListBox& list, const forms::ControlLayout& layout, HWND parent);
    ~ListBoxView() override;
    void command(WORD code) override;
    void redraw() override;

private:
    void follow(const forms::ListChange& change);
    void showSelection();

    forms::ListBox& list_;
    std::size_t listConnection_;
    bool batch_ = false;
};

// A drop-down list of the drives whose field shows the current drive, also when the drive
// filter has taken its entry away.
class DriveListView final : public ControlView {
public:
    DriveListView(forms::DriveList& drives, const forms::ControlLayout& layout, HWND parent);
    ~DriveListView() override;
    void place(int dotsPerInch, HFONT font) override;
    void command(WORD code) override;
    bool draw(const DRAWITEMSTRUCT& item) override;

private:
    void mirror() override;
    void follow(const forms::ListChange& change);

    forms::DriveList& drives_;
    std::size_t listConnection_;
};

// The path from the drive's root, then the subdirectories, each indented by its level, the
// open directories with an open folder; a double-click or Enter opens an entry.
class DirListView final : public ControlView {
public:
    DirListView(forms::DirList& dirs, const forms::ControlLayout& layout, HWND parent);
    ~DirListView() override;
    void place(int dotsPerInch, HFONT font) override;
    void command(WORD code) override;
    bool draw(const DRAWITEMSTRUCT& item) override;
    bool enter() override;

private:
    void mirror() override;
    forms::DirList& dirs_;
    HICON open_;
    HICON closed_;
};

// The file list has no role for the user: an empty list at its place, shown when the layout
// shows it.
class FileListView final : public ControlView {
public:
    FileListView(forms::Control& files, const forms::ControlLayout& layout, HWND parent);
};

// Fills an owner-drawn item and writes `text` in it, `indent` pixels from its left.
void drawItemText(const DRAWITEMSTRUCT& item, const std::wstring& text, int indent);

// The messages that change a native list: a list box's or a combo box's.
struct NativeListMessages {
    UINT insert;
    UINT remove;
    UINT reset;
};
inline constexpr NativeListMessages kListBoxMessages{LB_INSERTSTRING, LB_DELETESTRING,
                                                     LB_RESETCONTENT};
inline constexpr NativeListMessages kComboBoxMessages{CB_INSERTSTRING, CB_DELETESTRING,
                                                      CB_RESETCONTENT};

// Applies one change of a list, whose entries are now `entries`, to its native list.
void followListChange(HWND list, const NativeListMessages& messages,
                      const forms::ListChange& change, const std::vector<std::string>& entries);
// Puts all of `entries` into an empty native list.
void fillList(HWND list, const NativeListMessages& messages,
              const std::vector<std::string>& entries);

}  // namespace kavinor::win32ui
