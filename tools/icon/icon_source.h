#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "indexed_image.h"

namespace kavinor::icon {

// A pixel source that cannot be read; what() names the file and the line.
class IconSourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the text form of an icon:
//
//   size W H            the picture's width and height in pixels
//   palette             then one line per index 0-F: the hex digit and #RRGGBB
//   pixels              then H rows of W hex digits each, top row first
//
// A ';' starts a comment that runs to the end of the line; blank lines are ignored.
// `displayName` is how error messages name the file.
IndexedImage parseIconSource(std::string_view text, const std::string& displayName);

}  // namespace kavinor::icon
