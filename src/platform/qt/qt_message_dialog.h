#pragma once

#include "message_dialog.h"

namespace kavinor::qt {

// A modal message box with the style's icon, the given title and one OK button.
class QtMessageDialog final : public platform::MessageDialog {
public:
    void show(const std::string& text, int style, const std::string& title) override;
};

}  // namespace kavinor::qt
