#pragma once

#include <string>

namespace kavinor::platform {

// Message box styles: icon and buttons.
inline constexpr int kStyleStop = 16;         // stop icon, one OK button
inline constexpr int kStyleInformation = 64;  // information icon, one OK button

// A modal message box; returns when the user has closed it.
class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    virtual void show(const std::string& text, int style, const std::string& title) = 0;
};

}  // namespace kavinor::platform
