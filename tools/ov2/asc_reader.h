#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "format_error.h"
#include "poi.h"

namespace kavinor::ov2 {

// Bad text at a place: the message names file, line and column (in bytes).
class AscError : public FormatError {
public:
    AscError(std::string displayName, std::size_t line, std::size_t column, std::string what);

    // The same error in a text that has `lines` more lines before it.
    AscError below(std::size_t lines) const;

private:
    std::string displayName_;
    std::size_t line_;
    std::size_t column_;
    std::string what_;
};

// Reads the POI records of an .asc text in order. Text joined from several files reads as
// well as each part: a UTF-8 byte-order mark at the start of a line and a Ctrl-Z outside
// quotes are ignored, and a record may follow the closing quote of the one before.
// Strings are unescaped ("" to ") in place, so the text buffer is changed and the views of
// a PoiView point into it. Throws AscError.
class AscReader {
public:
    AscReader(std::span<char> text, std::string displayName);

    // Fills `poi` with the next record; false at the end of the text.
    bool next(PoiView& poi);

    // How many line ends the reader has passed.
    std::size_t lineEnds() const { return line_ - 1; }

private:
    [[noreturn]] void fail(std::size_t at, const std::string& what) const;
    void skipBlanks();
    bool atLineEnd() const;
    void expectComma(const char* after);
    std::int32_t coordinate(const char* what, std::int32_t limitDegrees);
    std::string_view quoted(const char* what);

    char* text_;
    std::size_t size_;
    std::string displayName_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    std::size_t lineStart_ = 0;
};

}  // namespace kavinor::ov2
