#pragma once

#include <QFont>

#include "layout.h"

namespace kavinor::qt {

// The one place that decides which free face stands in for the windows' faces that a Linux
// system lacks: Liberation Sans, whose widths match Arial's and come close to the dialog face's.
void installFontSubstitutes();

// The Qt font of a layout font; the face keeps its layout name and is resolved through the
// substitutes.
QFont windowFont(const forms::Font& font);

}  // namespace kavinor::qt
