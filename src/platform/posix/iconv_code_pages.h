#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "code_pages.h"

namespace kavinor::platform {

class Converter;

// Code pages converted with iconv. Converters are opened once per pair of code pages and kept,
// for a list fill converts each of thousands of names several times.
class IconvCodePages final : public CodePages {
public:
    // The system's pair: the locale's character set for both, where plain ASCII (the C locale)
    // counts as UTF-8.
    IconvCodePages();
    IconvCodePages(std::string ansi, std::string oem);
    IconvCodePages(IconvCodePages&&) noexcept;
    IconvCodePages& operator=(IconvCodePages&&) noexcept;
    ~IconvCodePages() override;

    std::string ansiCodePage() const override { return ansi_; }
    std::string oemCodePage() const override { return oem_; }
    std::string convert(std::string_view bytes, std::string_view from,
                        std::string_view to) const override;

private:
    Converter& converter(std::string_view to, std::string_view from) const;

    std::string ansi_;
    std::string oem_;
    mutable std::map<std::pair<std::string, std::string>, std::unique_ptr<Converter>> converters_;
};

}  // namespace kavinor::platform
