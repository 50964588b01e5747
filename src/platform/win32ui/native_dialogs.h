#pragma once

#include <string>

#include "message_dialog.h"
#include "save_dialog.h"

namespace kavinor::win32ui {

// The save dialog: the system's common file dialog. It opens with the name chosen last
// preselected and never asks whether to overwrite: the run keeps an earlier output until its new
// one is complete.
class NativeSaveDialog final : public platform::SaveDialog {
public:
    void setFilter(const std::string& filter) override { filter_ = filter; }
    void setFilterIndex(int index) override { filterIndex_ = index; }
    bool showSave() override;
    std::string fileName() const override { return fileName_; }

private:
    std::string filter_;
    int filterIndex_ = 1;
    std::string fileName_;
};

// A modal message box with the style's icon, the given title and one OK button.
class NativeMessageDialog final : public platform::MessageDialog {
public:
    void show(const std::string& text, int style, const std::string& title) override;
};

}  // namespace kavinor::win32ui
