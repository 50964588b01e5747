#pragma once

#include "fmr_main.h"

namespace kavinor::conversion {

// The click of the conversion button: asks for the output file, writes and runs the step
// scripts one after the other, cleans up, and reports the outcome in a message box. An end asked
// for from outside ends the script that runs, and the run cleans up and returns without a
// message.
void cmdKonvert_Click(mainwindow::FmrMain& window);

}  // namespace kavinor::conversion
