#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "control_view.h"
#include "dir_list.h"
#include "drive_list.h"
#include "list_box.h"

// The view of each kind of forms control.

namespace kavinor::qt {

class FrameView final : public ControlView {
public:
    FrameView(forms::Frame& frame, const forms::ControlLayout& layout, QWidget* parent,
              double dotsPerInch);

private:
    void mirror() override;
    forms::Frame& frame_;
    QGroupBox* box_;
};

class ButtonView final : public ControlView {
public:
    ButtonView(forms::Button& button, const forms::ControlLayout& layout, QWidget* parent,
               double dotsPerInch);

private:
    void mirror() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    forms::Button& button_;
    QPushButton* push_;
};

// A label that sizes itself to its text keeps the edge its alignment names, or its centre.
class LabelView final : public ControlView {
public:
    LabelView(forms::Label& label, const forms::ControlLayout& layout, QWidget* parent,
              double dotsPerInch);

private:
    void mirror() override;
    forms::Label& label_;
    QLabel* text_;
};

// Shows a path for the user to read and copy; the user does not edit it.
class TextBoxView final : public ControlView {
public:
    TextBoxView(forms::TextBox& box, const forms::ControlLayout& layout, QWidget* parent,
                double dotsPerInch);

private:
    void mirror() override;
    forms::TextBox& box_;
    QLineEdit* edit_;
};

// Follows the list's notices one change at a time, so it never rebuilds a long list.
class ListBoxView final : public ControlView {
public:
    ListBoxView(forms::ListBox& list, const forms::ControlLayout& layout, QWidget* parent,
                double dotsPerInch);
    ~ListBoxView() override;

private:
    void follow(const forms::ListChange& change);
    void showSelection();
    void chosen(int row);

    forms::ListBox& list_;
    QListWidget* rows_;
    std::size_t listConnection_;
    bool mirroring_ = false;
};

// A drop-down of the drives, showing the current drive.
class DriveListView final : public ControlView {
public:
    DriveListView(forms::DriveList& drives, const forms::ControlLayout& layout, QWidget* parent,
                  double dotsPerInch);
    ~DriveListView() override;

private:
    void mirror() override;
    void follow(const forms::ListChange& change);
    bool eventFilter(QObject* watched, QEvent* event) override;

    forms::DriveList& drives_;
    QComboBox* combo_;
    std::size_t listConnection_;
    bool mirroring_ = false;
};

// The path from the drive's root, then the subdirectories, each indented by its level; a
// double-click or Enter opens an entry.
class DirListView final : public ControlView {
public:
    DirListView(forms::DirList& dirs, const forms::ControlLayout& layout, QWidget* parent,
                double dotsPerInch);

private:
    void mirror() override;
    forms::DirList& dirs_;
    QListWidget* rows_;
};

// The file list has no role for the user: an empty list at its place, shown when the layout
// shows it.
class FileListView final : public ControlView {
public:
    FileListView(forms::FileList& files, const forms::ControlLayout& layout, QWidget* parent,
                 double dotsPerInch);
};

}  // namespace kavinor::qt
