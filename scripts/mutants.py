# The faults the test suite must catch: each mutant replaces one exact text, found once in its
# file, by a small wrong variant. scripts/mutate.py applies them one at a time.

M = []


def mutant(ident, path, old, new):
    M.append((ident, path, old, new))


# tools/ov2: the formats
mutant("asc-five-decimals", "tools/ov2/asc_writer.cpp",
       "for (int i = 0; i < 5; ++i, value /= 10)", "for (int i = 0; i < 4; ++i, value /= 10)")
mutant("asc-line-without-cr", "tools/ov2/asc_writer.cpp", 'out += "\\r\\n";', 'out += "\\n";')
mutant("asc-quote-not-doubled", "tools/ov2/asc_writer.cpp",
       "        out += '\"';\n        text.remove_prefix(quote + 1);",
       "        text.remove_prefix(quote + 1);")
mutant("ov2-record-types-swapped", "tools/ov2/ov2_writer.cpp",
       "*out++ = extended ? 3 : 2;", "*out++ = extended ? 2 : 3;")
mutant("ov2-extended-minimum", "tools/ov2/ov2_reader.cpp",
       'kPoiFixedSize + 3, "record"', 'kPoiFixedSize + 2, "record"')
mutant("ov2-range-unchecked", "tools/ov2/ov2_reader.cpp",
       "if (!inRange(poi.lon, poi.lat))", "if (false && !inRange(poi.lon, poi.lat))")
mutant("asc-rounding", "tools/ov2/asc_reader.cpp",
       "roundUp = digit >= 5;", "roundUp = digit > 5;")
mutant("asc-limit-fraction", "tools/ov2/asc_reader.cpp",
       "if (truncated > limit || (truncated == limit && beyondUnits))", "if (truncated > limit)")
mutant("area-east-min", "tools/ov2/area_index.cpp",
       "area.east = std::max(area.east, pois[i].lon);",
       "area.east = std::min(area.east, pois[i].lon);")
mutant("dump-flush-not-cleared", "tools/ov2/convert.cpp",
       "            sink.write(out);\n            out.clear();", "            sink.write(out);")

# tools/common: paths, wildcards, safe output
mutant("resolve-last-match", "tools/common/winpath.cpp",
       "(!best || candidate < *best)", "(!best || candidate > *best)")
mutant("wildcard-question-exact", "tools/common/wildcard.cpp",
       "(pattern[p] == question || pattern[p] == name[n])",
       "(pattern[p] == question + 1 || pattern[p] == name[n])")
mutant("wildcard-order-by-case", "tools/common/wildcard.cpp",
       "return a.folded != b.folded ? a.folded < b.folded : a.name < b.name;",
       "return a.name < b.name;")
mutant("fold-a-grave", "tools/common/name_fold.cpp",
       "if (code >= 0xE0 && code <= 0xFE", "if (code > 0xE0 && code <= 0xFE")
mutant("atomic-device-replaced", "tools/common/atomic_file.cpp",
       "if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))",
       "if (false)")
mutant("atomic-temp-left", "tools/common/atomic_file.cpp",
       "    std::error_code ignored;\n    std::filesystem::remove(temp_, ignored);", "")
mutant("tool-same-file", "tools/common/tool_main.cpp",
       "if (std::filesystem::equivalent(files.input, files.output, ec))", "if (false)")
mutant("input-not-regular", "tools/common/input_file.cpp",
       "if (!std::filesystem::is_regular_file(status))", "if (false)")
mutant("atomic-link-replaced", "tools/common/atomic_file.cpp",
       "std::filesystem::is_symlink(std::filesystem::symlink_status(target_, ec))) {", "false) {")
mutant("tool-empty-output-name", "tools/common/tool_main.cpp",
       "args[1].empty() || args[2].empty()", "args[1].empty()")
mutant("read-only-replaced", "tools/common/posix/system_text.cpp",
       "(target.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0", "false")
mutant("unwritable-replaced", "tools/common/posix/system_text.cpp",
       "::faccessat(AT_FDCWD, to.c_str(), W_OK, AT_EACCESS) != 0", "false")
mutant("atomic-commit-unflushed", "tools/common/atomic_file.cpp",
       "void AtomicFile::commit() {\n    flushBuffer();", "void AtomicFile::commit() {")

# tools/kvcmd: the interpreter
mutant("percent-not-halved", "tools/kvcmd/percent.cpp",
       "            result += '%';\n            ++pos;", '            result += "%%";\n            ++pos;')
mutant("percent-argument-off-by-one", "tools/kvcmd/percent.cpp",
       "if (index < arguments.size())", "if (index + 1 < arguments.size())")
mutant("thousands-comma", "tools/kvcmd/german_format.cpp", "grouped += '.';", "grouped += ',';")
mutant("date-month-zero-based", "tools/kvcmd/german_format.cpp",
       "time.tm_mon + 1,", "time.tm_mon,")
mutant("parser-ampersand-passes", "tools/kvcmd/line_parser.cpp",
       "(c != '>' && c != '<' && c != '|' && c != '&')", "(c != '>' && c != '<' && c != '|')")
mutant("parser-append-ignored", "tools/kvcmd/line_parser.cpp",
       "redirection.append = pos + 1 < line.size() && line[pos + 1] == '>';",
       "redirection.append = false;")
mutant("echo-off-ignored", "tools/kvcmd/echo_command.cpp",
       "command.state.echo = false;", "command.state.echo = true;")
mutant("copy-join-into-itself", "tools/kvcmd/copy_command.cpp",
       "if (wildcard && target && sameFile(file, *target)", "if (false && target && sameFile(file, *target)")
mutant("copy-join-count", "tools/kvcmd/copy_command.cpp",
       'messages::fileCount(1, "kopiert")', 'messages::fileCount(files.size(), "kopiert")')
mutant("file-count-padding", "tools/kvcmd/messages.cpp",
       "number.size() < 9 ? 9 - number.size() : 0", "number.size() < 8 ? 8 - number.size() : 0")
mutant("dir-column", "tools/kvcmd/dir_command.cpp",
       'line += "    <DIR>         ";', 'line += "    <DIR>          ";')
mutant("dir-root-dotdot", "tools/kvcmd/dir_command.cpp",
       "if (shown != shown.root_path()) entries.insert", "entries.insert")
mutant("del-wildcard-directories", "tools/kvcmd/del_command.cpp",
       "std::erase_if(matches, [&](const fs::path& p) { return fs::is_directory(p, ec); });", "")
mutant("label-lines-run", "tools/kvcmd/interpreter.cpp",
       "if (start == line.size() || line[start] == ':') continue;",
       "if (start == line.size()) continue;")
mutant("echo-no-blank-line", "tools/kvcmd/interpreter.cpp",
       'writeText(console_.out, "\\r\\n" + prompt', 'writeText(console_.out, prompt')
mutant("redirect-not-truncated", "tools/kvcmd/redirected_output.cpp",
       "(redirection.append ? O_APPEND : O_TRUNC)", "(redirection.append ? O_APPEND : 0)")
mutant("program-exe-fallback", "tools/kvcmd/program.cpp",
       "return lookUp(name.substr(0, name.size() - 4));", "return std::nullopt;")
mutant("script-lone-cr-ignored", "tools/kvcmd/interpreter.cpp",
       'text.find_first_of("\\r\\n", start);', 'text.find_first_of("\\n", start);')
mutant("copy-wildcard-takes-directories", "tools/kvcmd/copy_command.cpp",
       "std::erase_if(matches, [](const fs::path& p) { return !isFile(p); });", "")
mutant("del-directory-emptied", "tools/kvcmd/del_command.cpp",
       "    if (fs::is_directory(status)) {\n        writeLine(streams.err, messages::isADirectory",
       "    if (false) {\n        writeLine(streams.err, messages::isADirectory")
mutant("rd-removes-contents", "tools/kvcmd/directory_commands.cpp",
       "if (fs::remove(target, ec); ec) {", "if (fs::remove_all(target, ec); ec) {")
mutant("program-trailing-blank-kept", "tools/kvcmd/interpreter.cpp",
       "runProgram(trimTrailingBlanks(words.front().text), arguments, streams);",
       "runProgram(words.front().text, arguments, streams);")
mutant("program-exe-by-case", "tools/kvcmd/program.cpp",
       'winpath::equalFolded(name.substr(name.size() - 4), ".exe")',
       'name.substr(name.size() - 4) == ".exe"')

# tools/icon
mutant("bmp-row-padding", "tools/icon/bitmap_data.cpp",
       "const std::size_t rowSize = (width + 7) / 8 * 4;",
       "const std::size_t rowSize = (width + 1) / 2;")
mutant("bmp-nibble-order", "tools/icon/bitmap_data.cpp",
       "const int shift = x % 2 == 0 ? 4 : 0;", "const int shift = x % 2 == 0 ? 0 : 4;")
mutant("ico-height-without-mask", "tools/icon/ico_writer.cpp",
       "put32(bytes, 2 * height);", "put32(bytes, height);")
mutant("ico-mask-one-row", "tools/icon/ico_writer.cpp",
       "(width + 31) / 32 * 4 * height, '\\0'", "(width + 31) / 32 * 4, '\\0'")
mutant("ico-side-limit", "tools/icon/ico_writer.cpp",
       "if (image.width > 256 || image.height > 256)", "if (image.height > 256)")
mutant("ico-offset-without-directory", "tools/icon/ico_writer.cpp",
       "kDirectorySize + kEntrySize * count +", "kEntrySize * count +")
mutant("icon-side-limit", "tools/icon/icon_source.cpp",
       "value < 1 || value > kMaxSide", "value < 1 || value >= kMaxSide")

# src/platform/posix
mutant("iconv-bad-byte-dropped", "src/platform/posix/iconv_code_pages.cpp",
       "        text += '?';\n        bytes.remove_prefix(1);", "        bytes.remove_prefix(1);")
mutant("fill-lists-directories", "src/platform/posix/posix_directory_fill.cpp",
       "if (name.starts_with('.') || !entry.is_regular_file(ec)) continue;",
       "if (name.starts_with('.') || !entry.exists(ec)) continue;")
mutant("kill-not-group", "src/platform/posix/posix_processes.cpp",
       "::kill(-id, SIGKILL);", "::kill(id, SIGKILL);")
mutant("stamp-without-nanoseconds", "src/platform/posix/posix_path_test.cpp",
       "* 1'000'000'000 + info.st_mtim.tv_nsec", "* 1'000'000'000")
mutant("pause-short-skipped", "src/platform/posix/posix_pause.cpp",
       "if (milliseconds <= 0) return;", "if (milliseconds <= 1000) return;")
mutant("pause-cut-short-by-signal", "src/platform/posix/posix_pause.cpp",
       "while (::nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {\n    }",
       "::nanosleep(&remaining, &remaining);")
mutant("stamp-without-inode", "src/platform/posix/posix_path_test.cpp",
       "static_cast<std::uint64_t>(info.st_ino)", "std::uint64_t{0}")
mutant("fill-lists-hidden", "src/platform/posix/posix_directory_fill.cpp",
       "if (name.starts_with('.') || !entry.is_regular_file(ec)) continue;",
       "if (!entry.is_regular_file(ec)) continue;")
mutant("fill-lists-hidden-directories", "src/platform/posix/posix_directory_fill.cpp",
       "        if (name.starts_with('.')) continue;\n", "")
mutant("locale-ascii-kept", "src/platform/posix/iconv_code_pages.cpp",
       'codeset == "ANSI_X3.4-1968" || ', "")
mutant("iconv-missing-char-dropped", "src/platform/posix/iconv_code_pages.cpp",
       '        encoder.append("?", result);\n', "")
mutant("spawn-descriptors-inherited", "src/platform/posix/posix_processes.cpp",
       " ||\n        posix_spawn_file_actions_addclosefrom_np(actions.get(), 3) != 0) {", ") {")
mutant("running-foreign-process", "src/platform/posix/posix_processes.cpp",
       "    if (!unreaped_.contains(id)) return false;\n", "")
mutant("terminate-foreign-process", "src/platform/posix/posix_processes.cpp",
       "    if (!unreaped_.contains(id)) return;\n", "")
mutant("processes-left-at-destruction", "src/platform/posix/posix_processes.cpp",
       "while (!unreaped_.empty()) terminate(*unreaped_.begin());", "")
mutant("opener-not-reaped", "src/platform/posix/xdg_links.cpp",
       "while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {", "while (false) {")
mutant("locale-codeset-ignored", "src/platform/posix/iconv_code_pages.cpp",
       "    return codeset;\n", '    return "UTF-8";\n')

# src/forms
mutant("list-full-off-by-one", "src/forms/list_box.cpp",
       "if (count() == kMaxEntries) return false;", "if (count() > kMaxEntries) return false;")
mutant("list-selection-not-moved", "src/forms/list_box.cpp",
       "if (selected_ && *selected_ >= index) ++*selected_;",
       "if (selected_ && *selected_ > index) ++*selected_;")
mutant("list-clear-keeps-selection", "src/forms/list_box.cpp",
       "    keys_.clear();\n    selected_.reset();", "    keys_.clear();")

# src/mainwindow
mutant("counter-caption", "src/mainwindow/fmr_main.cpp",
       '"Anzahl der Input-Dateien : "', '"Anzahl der Import-Dateien : "')
mutant("drive-filter-off-by-one", "src/mainwindow/drive_check.cpp",
       "if (type >= 1 && type <= 6) keep", "if (type >= 1 && type < 6) keep")
mutant("drive-filter-last-entry", "src/mainwindow/drive_check.cpp",
       "pass < n; ++pass", "pass + 1 < n; ++pass")
mutant("transfer-duplicate-kept", "src/mainwindow/selection_lists.cpp",
       "            lstAuswahl2.removeAt(static_cast<std::int16_t>(i + 1));\n", "")
mutant("target-counter-caption", "src/mainwindow/selection_lists.cpp",
       '"Anzahl der Output-Dateien : "', '"Anzahl der Export-Dateien : "')
mutant("transfers-enabled-wrongly", "src/mainwindow/selection_lists.cpp",
       "setEnabled({&cmd1hin, &cmdallehin}, true);",
       "setEnabled({&cmd1hin, &cmdallehin}, targetFilled);")
mutant("drive-type-removable-first", "src/platform/posix/mount_drives.cpp",
       "if (among(kOptical, found->fileSystem)) return kDriveCdRom;\n", "")
mutant("drive-longest-prefix", "src/platform/posix/mount_drives.cpp",
       "(dir == \"/\" || path[dir.size()] == '/')", "(dir == \"/\" || true)")
mutant("bug-mail-subject", "src/startup/help_menu.cpp",
       'mailLink("Bug")', 'mailLink("Feature_request")')
mutant("program-ends-early", "src/program/program.cpp",
       "return frmSplash.loaded() || fmrMain.loaded() || frmAbout.loaded();",
       "return frmSplash.loaded() || fmrMain.loaded();")
mutant("safe-control-off-by-one", "src/mainwindow/script_safe_name.cpp",
       "if (byte < 0x20 || byte == 0x7F", "if (byte < 0x1F || byte == 0x7F")
mutant("safe-pipe-allowed", "src/mainwindow/script_safe_name.cpp",
       'kForbidden = "\\"\\\\/:*?<>|";', 'kForbidden = "\\"\\\\/:*?<>";')
mutant("cancel-keeps-opening-mode", "src/mainwindow/source_selection.cpp",
       "    bolOv2Mode = confirmedOv2Mode_;\n", "")
mutant("fill-keeps-first-listed", "src/mainwindow/fmr_main.cpp",
       "if (kept < found.size()) std::nth_element(found.begin(), end, found.end());", "")
mutant("about-not-modal", "src/startup/help_menu.cpp", "frmAbout.showModal();", "frmAbout.show();")
mutant("fill-lists-unsafe-names", "src/mainwindow/fmr_main.cpp",
       "return !safeNames.isSafeName(entry.second);", "return false;")
mutant("subdirectory-inexact-names", "src/mainwindow/fmr_main.cpp",
       "if (pages.toAnsi(name) == bytes) {", "if (true) {")
mutant("confirm-keeps-targets", "src/mainwindow/source_selection.cpp",
       "    lstAuswahl2.clear();\n    strPattern", "    strPattern")
mutant("collation-key-without-name", "src/platform/posix/icu_collation.cpp", "key.append(text);", "")
mutant("drive-pseudo-listed", "src/platform/posix/mount_drives.cpp",
       "if (among(kPseudo, mount.fileSystem) || mount.fileSystem == \"overlay\") return false;",
       "if (mount.fileSystem == \"overlay\") return false;")

# src/platform/qt and src/app: the Qt front end and the program
mutant("twips-scale", "src/platform/qt/twips.h",
       "twips * dotsPerInch / 1440.0", "twips * dotsPerInch / 1400.0")
mutant("list-view-ignores-removal", "src/platform/qt/list_box_view.cpp",
       "            delete rows_->takeItem(change.index);\n", "")
mutant("input-filter-ignores-gate", "src/platform/qt/window_view.cpp",
       "    if (!window_.takesInput()) return false;\n", "")
mutant("font-face-lost", "src/platform/qt/window_fonts.cpp",
       "{QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size())),",
       "{QStringLiteral(\"Arial\"),")
mutant("menu-separator-dropped", "src/platform/qt/menu_view.cpp",
       "if (menu != nullptr) menu->addSeparator();", "if (false) menu->addSeparator();")
mutant("modal-flag-lost", "src/platform/qt/window_view.cpp",
       "window_.modal() ? Qt::ApplicationModal : Qt::NonModal", "Qt::NonModal")
mutant("frame-stacked-below", "src/platform/qt/window_view.cpp",
       "for (auto view = views_.rbegin(); view != views_.rend(); ++view) (*view)->widget()->raise();",
       "for (const auto& view : views_) view->widget()->raise();")
mutant("covered-control-focusable", "src/platform/qt/control_view.cpp",
       "widget_->setFocusPolicy(reachable ? focusPolicy_ : Qt::NoFocus);",
       "widget_->setFocusPolicy(focusPolicy_);")
mutant("save-dialog-asks-overwrite", "src/platform/qt/qt_save_dialog.cpp",
       "QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog",
       "QFileDialog::DontUseNativeDialog")
mutant("save-dialog-forgets-name", "src/platform/qt/qt_save_dialog.cpp",
       "if (!fileName_.empty()) dialog.selectFile(", "if (false) dialog.selectFile(")
mutant("stop-icon-warning", "src/platform/qt/qt_message_dialog.cpp",
       "? QMessageBox::Critical", "? QMessageBox::Warning")
mutant("label-right-anchor-lost", "src/platform/qt/caption_views.cpp",
       "    if (layout().align == forms::Align::Right) left += spare;\n", "")
mutant("quit-on-last-window", "src/app/desktop_program.cpp",
       "QApplication::setQuitOnLastWindowClosed(false);",
       "QApplication::setQuitOnLastWindowClosed(true);")
mutant("task-bar-window-as-tool", "src/platform/qt/window_view.cpp",
       "layout.inTaskBar ? Qt::Window : Qt::Tool", "Qt::Tool")
mutant("message-title-clipped", "src/platform/qt/qt_message_dialog.cpp",
       "QMessageBox box(icon, QString::fromStdString(title),",
       "QMessageBox box(icon, QString::fromStdString(title.substr(1)),")
mutant("caption-line-ends-kept", "src/platform/qt/control_view.cpp",
       "    text.replace(QStringLiteral(\"\\r\\n\"), QStringLiteral(\"\\n\"));\n", "")

# src/conversion
mutant("script-percent-not-doubled", "src/conversion/script_file.cpp",
       "if (c == '%') doubled += '%';", "")
mutant("script-without-cr", "src/conversion/script_file.cpp",
       'file << EncodeScriptLine(pages, line) << "\\r\\n";',
       'file << EncodeScriptLine(pages, line) << "\\n";')
mutant("script-no-oem", "src/conversion/code_page_helpers.cpp",
       "return pages.convert(pages.toAnsi(sText), pages.ansiCodePage(), pages.oemCodePage());",
       "return pages.toAnsi(sText);")
mutant("komplett-asc-no-rd", "src/conversion/step_scripts.cpp",
       '    lines.emplace_back("rd ConvertTemp");\n', "")
mutant("komplett-ov2-order", "src/conversion/step_scripts.cpp",
       '"copy *.asc komplett.txt", "move komplett.txt ..", "cd .."}',
       '"move komplett.txt ..", "copy *.asc komplett.txt", "cd .."}')
mutant("step2-pause", "src/conversion/conversion_run.cpp",
       "    pause(3000);\n    komplett();", "    pause(300);\n    komplett();")
mutant("scratch-may-be-output", "src/conversion/conversion_run.cpp",
       "if (winpath::equalFolded(name, window_.strOutName) || isTaken(outDir_ / name))",
       "if (isTaken(outDir_ / name))")
mutant("button-caption-after-run", "src/conversion/conversion_run.cpp",
       'window.cmdKonvert.setCaption("LUV Datei erstellen");',
       'window.cmdKonvert.setCaption("Komplette LUV Datei erstellen");')
mutant("old-output-counts", "src/conversion/conversion_run.cpp",
       "return complete_ && after && after != before;",
       "return complete_ && after && (after != before || true);")
mutant("success-label-hidden", "src/conversion/conversion_run.cpp",
       "    window.lblPfad.setVisible(true);\n", "")
mutant("success-keeps-source-dir", "src/conversion/conversion_run.cpp",
       "    window.strSourceDir = window.File.path();\n", "")
mutant("dialog-filter-index", "src/conversion/conversion_run.cpp",
       "dialog.setFilterIndex(1);", "dialog.setFilterIndex(0);")
mutant("error-log-always", "src/conversion/conversion_run.cpp",
       "RunScript(window_, script, window_.mnuError.checked());",
       "RunScript(window_, script, true);")
mutant("error-bat-date-file", "src/conversion/error_bundle.cpp",
       '"date /t >date.txt",', '"date /t >datum.txt",')
mutant("error-bat-left", "src/conversion/error_bundle.cpp",
       "    std::error_code ignored;\n    std::filesystem::remove(script, ignored);", "")
mutant("output-may-be-run-file", "src/conversion/run_checks.cpp",
       "if (isRunFile(window.strOutName)) {", "if (isRunFile(window.strOutName) && false) {")
mutant("error-bat-utf8-path", "src/conversion/error_bundle.cpp",
       "NativePath(window, window.strOutDir) / ScriptName(Script::Error)",
       "std::filesystem::path(window.strOutDir) / ScriptName(Script::Error)")
mutant("refusal-without-bundle", "src/conversion/conversion_run.cpp",
       "if (window_.mnuError.checked()) WriteRefusalBundle(window_, *refusal);", "")
mutant("dialog-filter-after-show", "src/conversion/conversion_run.cpp",
       "    dialog.setFilterIndex(1);\n    const bool chosen = dialog.showSave();",
       "    const bool chosen = dialog.showSave();\n    dialog.setFilterIndex(1);")
mutant("success-pattern-ov2-only", "src/conversion/conversion_run.cpp",
       '(window.bolOv2Mode ? "\\\\*.ov2" : "\\\\*.asc")', '"\\\\*.ov2"')
mutant("run-disables-button", "src/conversion/conversion_run.cpp",
       "    window.cmdKonvert.setCaption(stepCaption(1));\n",
       "    window.cmdKonvert.setCaption(stepCaption(1));\n    window.cmdKonvert.setEnabled(false);\n")
mutant("failure-refills-list", "src/conversion/conversion_run.cpp",
       "        reportFailure(window);\n", "        reportFailure(window);\n        window.FillSourceList();\n")
mutant("komplett-log-blank", "src/conversion/task.cpp",
       'return line.append(" \\" >komplett.log");', 'return line.append("\\" >komplett.log");')
mutant("task-not-terminated", "src/conversion/task.cpp",
       "    KillTask(platform.processes, window.lngTaskID);\n", "")
mutant("task-id-kept", "src/conversion/task.cpp",
       "window.lngTaskID = id.value_or(0);", "if (id) window.lngTaskID = *id;")
mutant("task-not-awaited", "src/conversion/task.cpp",
       "while (IsTaskRunning(platform.processes, window.lngTaskID) &&\n"
       "           !platform.endRequest.requested()) {\n    }",
       "IsTaskRunning(platform.processes, window.lngTaskID);")
mutant("incomplete-merge-converted", "src/conversion/conversion_run.cpp",
       "    if (!complete_) return;\n    if (!writeAndRun(", "    if (!writeAndRun(")
mutant("join-ctrl-z-refused", "src/conversion/run_checks.cpp",
       "return file.get() == kCtrlZ;", "return false;")
mutant("asc-scratch-taken-used", "src/conversion/conversion_run.cpp",
       'if (isTaken(outDir_ / "ConvertTemp")) {', "if (false) {")
mutant("tidy-keeps-komplett-txt", "src/conversion/conversion_run.cpp",
       '{"komplett.bat", "komplett.txt", "konvert.bat", "asc2ov2.bat"}',
       '{"komplett.bat", "konvert.bat", "asc2ov2.bat"}')
mutant("scratch-dir-left", "src/conversion/conversion_run.cpp",
       "    if (scratch_) fs::remove_all(outDir_ / *scratch_, ignored);\n", "")
mutant("end-not-watched", "src/conversion/task.cpp",
       " &&\n           !platform.endRequest.requested()) {", ") {")
mutant("end-starts-scripts", "src/conversion/task.cpp",
       "    if (platform.endRequest.requested()) return;\n", "")
mutant("end-still-pauses", "src/conversion/conversion_run.cpp",
       "        if (!ended()) window_.Wait(milliseconds);", "        window_.Wait(milliseconds);")
mutant("end-leaves-tool-temporaries", "src/conversion/conversion_run.cpp",
       "if (!temporariesBefore_.contains(left)) fs::remove(left, ignored);", "(void)left;")
mutant("end-removes-others-temporaries", "src/conversion/conversion_run.cpp",
       "if (!temporariesBefore_.contains(left)) fs::remove(left, ignored);",
       "fs::remove(left, ignored);")
mutant("asc-scratch-left", "src/conversion/conversion_run.cpp",
       '        scratch_ = "ConvertTemp";\n', "")
mutant("end-leaves-logs", "src/conversion/error_bundle.cpp",
       "    if (!window.platform.endRequest.requested()) return;", "    return;")
mutant("end-shows-message", "src/conversion/conversion_run.cpp",
       "    if (window.platform.endRequest.requested()) return;\n\n", "\n")
mutant("cancel-runs-with-old-name", "src/conversion/conversion_run.cpp",
       "if (!chosen || chosenPath.empty()) return;", "if (chosenPath.empty()) return;")
mutant("names-cut-by-bytes", "src/conversion/step_scripts.cpp",
       "} while (end > 0 && !startsCharacter(text[end]));", "} while (false);")
mutant("dialog-filter-all-files", "src/conversion/conversion_run.cpp",
       '"LUV-Dateien (*.ov2)|*.ov2"', '"LUV-Dateien (*.ov2)|*.*"')
mutant("scratch-makes-output-dir", "src/conversion/conversion_run.cpp",
       "if (fs::create_directory(outDir_ / name, ec)) return name;",
       "if (fs::create_directories(outDir_ / name, ec)) return name;")
