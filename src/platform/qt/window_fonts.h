#pragma once

#include <QFont>

#include "layout.h"

namespace kavinor::qt {

// The Qt font of a layout font. This is the one place that decides which free face stands in
// where the system lacks the layout's face: Liberation Sans, whose widths match Arial's and come
// close to the dialog face's. The choice travels with each font, so it holds whenever a widget
// is made.
QFont windowFont(const forms::Font& font);

}  // namespace kavinor::qt
