#pragma once

#include <string>

#include "code_pages.h"

namespace kavinor::platform {

// Code pages as the system converts them. Names are "UTF-8" or "CP" and the code page's number.
class Win32CodePages final : public CodePages {
public:
    // The system's pair: the ANSI and the console (OEM) code page.
    Win32CodePages();
    Win32CodePages(std::string ansi, std::string oem);

    std::string ansiCodePage() const override { return ansi_; }
    std::string oemCodePage() const override { return oem_; }
    std::string convert(std::string_view bytes, std::string_view from,
                        std::string_view to) const override;

private:
    std::string ansi_;
    std::string oem_;
};

}  // namespace kavinor::platform
