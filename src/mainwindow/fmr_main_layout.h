#pragma once

#include "layout.h"

namespace kavinor::mainwindow {

// The main window as it opens, before its load step.
extern const forms::WindowLayout kFmrMainLayout;

}  // namespace kavinor::mainwindow
