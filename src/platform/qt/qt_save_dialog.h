#pragma once

#include <QStringList>
#include <string>

#include "save_dialog.h"

namespace kavinor::qt {

// The save dialog: Qt's own file dialog, so that it looks the same on every desktop. It opens
// with the name chosen last preselected and never asks whether to overwrite: the run keeps an
// earlier output until its new one is complete.
class QtSaveDialog final : public platform::SaveDialog {
public:
    void setFilter(const std::string& filter) override;
    void setFilterIndex(int index) override { filterIndex_ = index; }
    bool showSave() override;
    std::string fileName() const override { return fileName_; }

    // The filter as Qt takes it: one "description (patterns)" per pair.
    const QStringList& nameFilters() const { return nameFilters_; }

private:
    QStringList nameFilters_;
    int filterIndex_ = 1;
    std::string fileName_;
};

}  // namespace kavinor::qt
