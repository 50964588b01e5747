#pragma once

#include <string>

namespace kavinor::platform {

// The save dialog `comSpeich`. It keeps its file name from one use to the next.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // A filter text of description and pattern pairs, joined by '|'.
    virtual void setFilter(const std::string& filter) = 0;
    virtual void setFilterIndex(int index) = 0;
    // Shows the dialog modally; false when the user cancelled it.
    virtual bool showSave() = 0;
    // The full path chosen last, or the name it was opened with.
    virtual std::string fileName() const = 0;
};

}  // namespace kavinor::platform
