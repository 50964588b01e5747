#pragma once

// Where every front end shows the main window's controls at 96 dpi: the layout table's twips in
// pixels, from the top left of the container's client area. Written out, not computed, so a
// wrong table or a wrong scale fails.

namespace kavinor::test {

struct PixelPlace {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kMainClientWidth = 658;
inline constexpr int kMainClientHeight = 437;

inline constexpr PixelPlace kMainWindowPixels[] = {
    {"fraInput", 152, 72, 409, 289},   {"cmdAbbrechen", 280, 248, 113, 33},
    {"cmdOK", 16, 248, 113, 33},       {"Dir", 16, 56, 377, 171},
    {"Drive", 16, 24, 377, 21},        {"fraAuswahl", 8, 40, 209, 57},
    {"cmdStart1", 112, 16, 81, 33},    {"cmdStart", 16, 16, 81, 33},
    {"txtov2", 8, 376, 641, 19},       {"File", 640, 416, 17, 19},
    {"cmdKonvert", 8, 288, 641, 33},   {"cmdalleweg", 312, 208, 33, 25},
    {"cmdallehin", 312, 168, 33, 25},  {"cmd1weg", 312, 248, 33, 25},
    {"cmd1hin", 312, 128, 33, 25},     {"lstAuswahl2", 352, 128, 297, 147},
    {"lstAuswahl1", 8, 128, 297, 147}, {"lblLogo", 328, 0, 329, 41},
    {"lblPfad", 8, 352, 305, 25},      {"lblDatei2", 352, 112, 297, 17},
    {"lblDatei1", 8, 112, 297, 17},
};

}  // namespace kavinor::test
