#pragma once

#include <string>

#include "code_pages.h"

namespace kavinor::platform {

// Code pages converted with iconv.
class IconvCodePages final : public CodePages {
public:
    // The system's pair: the locale's character set for both, where plain ASCII (the C locale)
    // counts as UTF-8.
    IconvCodePages();
    IconvCodePages(std::string ansi, std::string oem);

    std::string ansiCodePage() const override { return ansi_; }
    std::string oemCodePage() const override { return oem_; }
    std::string convert(std::string_view bytes, std::string_view from,
                        std::string_view to) const override;

private:
    std::string ansi_;
    std::string oem_;
};

}  // namespace kavinor::platform
