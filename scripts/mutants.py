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


# Faults written by a reader who had seen the code but not the tests (the first such set: 57 of
# its 63 caught before the tests were strengthened).
# Blind mutants for Kavinor, written from src/ and tools/ only.

# ---------------------------------------------------------------- tools/ov2

# Every skipper makeov2 writes has a west bound of 2147483647: the rectangles no longer hold their POIs.
mutant("ov2-index-west-bound", "tools/ov2/area_index.cpp",
       "area.west = std::min(area.west, pois[i].lon);",
       "area.west = std::max(area.west, pois[i].lon);")

# With more than 32 POIs on a multi-core machine the root skipper is 21 bytes short: dumpov2 refuses makeov2's own output.
mutant("ov2-thread-root-length", "tools/ov2/area_index.cpp",
       "const std::uint64_t bytes = kSkipperRecordSize + low.bytes() + high.bytes();",
       "const std::uint64_t bytes = low.bytes() + high.bytes();")

# An area of exactly 32 POIs is split once more: a file of 32 POIs gets three skippers instead of one.
mutant("ov2-leaf-threshold", "tools/ov2/area_index.cpp",
       "if (end - begin <= kMaxPoisPerArea) {",
       "if (end - begin < kMaxPoisPerArea) {")

# 13.123455 is rounded down to 13.12345 instead of half away from zero to 13.12346.
mutant("asc-round-half-down", "tools/ov2/asc_reader.cpp",
       "if (fractionDigits == 5) roundUp = digit >= 5;",
       "if (fractionDigits == 5) roundUp = digit > 5;")

# A Ctrl-Z in a joined text is no longer ignored: makeov2 fails on komplett.txt from a Windows join.
mutant("asc-ctrl-z-not-blank", "tools/ov2/asc_reader.cpp",
       "constexpr char kCtrlZ = 0x1A;",
       "constexpr char kCtrlZ = 0x1B;")

# Nested area blocks that end at the same byte are closed one at a time: dumpov2 reports a record past its area block on any indexed file of more than 64 POIs.
mutant("ov2-reader-nested-block-end", "tools/ov2/ov2_reader.cpp",
       "while (!blockEnds_.empty() && blockEnds_.back() == offset_) blockEnds_.pop_back();",
       "if (!blockEnds_.empty() && blockEnds_.back() == offset_) blockEnds_.pop_back();")

# dumpov2 writes a quote inside a name as a single ", so the .asc line is broken and the round trip fails.
mutant("asc-writer-quote-not-doubled", "tools/ov2/asc_writer.cpp",
       "out.append(text.substr(0, quote + 1));\n        out += '\"';\n",
       "out.append(text.substr(0, quote + 1));\n")

# makeov2 stores the id and the extra data of an extended POI swapped.
mutant("make-id-extra-swapped", "tools/ov2/convert.cpp",
       "pack(poi.id);\n            pack(poi.extra);",
       "pack(poi.extra);\n            pack(poi.id);")

# ---------------------------------------------------------------- tools/common

# Names with ö, ü (and other letters from U+00F0 on) are no longer found without regard to case: "köln.ov2" does not find "KÖLN.ov2".
mutant("fold-latin1-range", "tools/common/name_fold.cpp",
       "if (code >= 0xE0 && code <= 0xFE && code != 0xF7) code -= 0x20;",
       "if (code >= 0xE0 && code < 0xF0 && code != 0xF7) code -= 0x20;")

# Wildcard joins go in byte order ("B.asc" before "a.asc") instead of name order without regard to case.
mutant("wildcard-sort-bytes", "tools/common/wildcard.cpp",
       "return a.folded != b.folded ? a.folded < b.folded : a.name < b.name;",
       "return a.name < b.name;")

# An output that is a symbolic link is replaced by a plain file instead of the file the link leads to.
mutant("atomic-link-replaced-2", "tools/common/atomic_file.cpp",
       "std::filesystem::is_symlink(std::filesystem::symlink_status(target_, ec))",
       "std::filesystem::is_symlink(status)")

# A failed tool run leaves its .kavinor-*.tmp file behind in the output directory.
mutant("atomic-temp-left-behind", "tools/common/atomic_file.cpp",
       "AtomicFile::~AtomicFile() {\n    if (committed_) return;",
       "AtomicFile::~AtomicFile() {\n    if (!committed_) return;")

# A tool called with the wrong number of arguments exits 1 (bad data) instead of 2 (usage).
mutant("tool-usage-exit-code", "tools/common/tool_main.cpp",
       "complain(tool + \": usage: \" + tool + \" \" + usage);\n        return 2;",
       "complain(tool + \": usage: \" + tool + \" \" + usage);\n        return 1;")

# ---------------------------------------------------------------- tools/kvcmd

# A join reports "N Datei(en) kopiert." with the number of sources instead of "1 Datei(en) kopiert.".
mutant("copy-join-count-2", "tools/kvcmd/copy_command.cpp",
       "writeLine(streams.out, messages::fileCount(1, \"kopiert\"));",
       "writeLine(streams.out, messages::fileCount(files.size(), \"kopiert\"));")

# "copy a.txt Ordner" into an existing directory (no trailing separator) fails instead of copying into it.
mutant("copy-into-directory", "tools/kvcmd/copy_command.cpp",
       "if (fs::is_directory(target, ec) || endsWithSeparator(*args->target)) {",
       "if (fs::is_directory(target, ec) && endsWithSeparator(*args->target)) {")

# move into a missing directory says the file was not found instead of the path.
mutant("move-missing-dir-message", "tools/kvcmd/move_command.cpp",
       "if (ec.value() == ENOENT) throw CopyFailure(std::string(messages::kPathNotFound));",
       "if (ec.value() == ENOENT) throw CopyFailure(std::string(messages::kFileNotFound));")

# "del fehlt.txt b.txt" (also md/rd with several names) stops after the first failing name: b.txt stays.
mutant("names-stop-after-failure", "tools/kvcmd/arguments.cpp",
       "for (const Word& word : words) ok = one(word) && ok;",
       "for (const Word& word : words) ok = ok && one(word);")

# "md a\\b\\c" fails when a or b does not exist yet instead of making the whole path.
mutant("md-no-parents", "tools/kvcmd/directory_commands.cpp",
       "if (fs::create_directories(target, ec); ec) {",
       "if (fs::create_directory(target, ec); ec) {")

# rd removes a directory with all its files instead of refusing a non-empty one.
mutant("rd-recursive", "tools/kvcmd/directory_commands.cpp",
       "if (fs::remove(target, ec); ec) {",
       "if (fs::remove_all(target, ec); ec) {")

# "cd datei.txt" says the path was not found instead of "Der Verzeichnisname ist ungültig."
mutant("cd-file-message", "tools/kvcmd/directory_commands.cpp",
       "if (!fs::is_directory(status)) {\n        writeLine(command.streams.err, messages::kNotADirectory);\n        return false;\n    }\n    fs::current_path(target, ec);",
       "if (!fs::is_directory(status)) {\n        writeLine(command.streams.err, messages::kPathNotFound);\n        return false;\n    }\n    fs::current_path(target, ec);")

# A bare "echo" says ECHO is off while it is on, and the reverse.
mutant("echo-state-swapped", "tools/kvcmd/echo_command.cpp",
       "command.state.echo ? messages::kEchoIsOn : messages::kEchoIsOff",
       "command.state.echo ? messages::kEchoIsOff : messages::kEchoIsOn")

# dir groups thousands with a comma ("1,234") instead of the German point ("1.234").
mutant("dir-thousands-comma", "tools/kvcmd/german_format.cpp",
       "grouped += '.';",
       "grouped += ',';")

# date /t and dir show the month one too low (January as 00).
mutant("date-month-off-by-one", "tools/kvcmd/german_format.cpp",
       "time.tm_mday, time.tm_mon + 1,",
       "time.tm_mday, time.tm_mon,")

# ">" onto a longer existing file keeps its old tail instead of emptying it first.
mutant("redirect-no-truncate", "tools/kvcmd/redirected_output.cpp",
       "(redirection.append ? O_APPEND : O_TRUNC)",
       "(redirection.append ? O_APPEND : 0)")

# "%1" in a script gives the script's own name, "%2" the first argument.
mutant("percent-argument-index", "tools/kvcmd/percent.cpp",
       "const auto index = static_cast<std::size_t>(next - '0');",
       "const auto index = static_cast<std::size_t>(next - '1');")

# "%%" in a script line vanishes instead of giving one "%": names with % are not found.
mutant("percent-double-lost", "tools/kvcmd/percent.cpp",
       "if (next == '%') {\n            result += '%';\n            ++pos;",
       "if (next == '%') {\n            ++pos;")

# The log of "kvcmd /c ... >x.log" no longer holds the messages of the script; they go to the terminal.
mutant("cmdline-log-without-messages", "tools/kvcmd/main.cpp",
       "Streams{log.fd(), log.fd()}",
       "Streams{log.fd(), 2}")

# ---------------------------------------------------------------- tools/icon

# icon.bmp has red and blue swapped: the red pin is drawn blue.
mutant("icon-palette-rgb", "tools/icon/bitmap_data.cpp",
       "bytes += static_cast<char>(colour.blue);\n        bytes += static_cast<char>(colour.green);\n        bytes += static_cast<char>(colour.red);",
       "bytes += static_cast<char>(colour.red);\n        bytes += static_cast<char>(colour.green);\n        bytes += static_cast<char>(colour.blue);")

# icon.bmp swaps each pair of neighbouring pixels (left pixel in the low nibble).
mutant("icon-nibble-order", "tools/icon/bitmap_data.cpp",
       "const int shift = x % 2 == 0 ? 4 : 0;",
       "const int shift = x % 2 == 0 ? 0 : 4;")

# ---------------------------------------------------------------- src/forms

# An entry inserted right at the highlighted one takes the highlight: the selection jumps to the new entry.
mutant("listbox-selection-shift", "src/forms/list_box.cpp",
       "if (selected_ && *selected_ >= index) ++*selected_;",
       "if (selected_ && *selected_ > index) ++*selected_;")

# Opening a directory in the directory list no longer tells the window: OK lists the files of the old directory.
mutant("dirlist-no-path-notice", "src/forms/dir_list.cpp",
       "    show(path, *subdirectories);\n    pathChanged.emit();\n",
       "    show(path, *subdirectories);\n")

# Subdirectories stand on the level of the current directory instead of one below it.
mutant("dirlist-subdirectory-level", "src/forms/dir_list.cpp",
       "const auto level = static_cast<std::int16_t>(entries_.size());",
       "const auto level = static_cast<std::int16_t>(entries_.size() - 1);")

# Clicks during a running handler (a conversion run) are carried out instead of dropped.
mutant("gate-input-during-handler", "src/forms/input_gate.cpp",
       "    if (!takesInput(window)) return;\n    const Owner handler(owners_, nullptr);\n",
       "    if (!takesInput(window)) return;\n")

# Choosing another drive in the drop-down no longer moves the directory list there.
mutant("drive-no-change-notice", "src/forms/drive_list.cpp",
       "    changed.emit();\n    driveChanged.emit();\n",
       "    changed.emit();\n")

# ---------------------------------------------------------------- src/mainwindow

# After "Neu" the button "Komplette LUV Datei erstellen" stays enabled with empty lists.
mutant("reset-keeps-konvert", "src/mainwindow/fmr_main.cpp",
       "setEnabled({&cmdKonvert, &cmdalleweg, &cmd1weg, &cmd1hin, &cmdallehin}, false);",
       "setEnabled({&cmdalleweg, &cmd1weg, &cmd1hin, &cmdallehin}, false);")

# Taking back one of two chosen files with "<" disables the convert button and "<", "<<" while one file remains.
mutant("weg-disables-too-early", "src/mainwindow/selection_lists.cpp",
       "if (lstAuswahl2.count() == 0) enableTransfers(false);",
       "if (lstAuswahl2.count() <= 1) enableTransfers(false);")

# Pressing ">" twice for the file that sorts last puts it into the right list twice.
mutant("hin-duplicate-at-end", "src/mainwindow/selection_lists.cpp",
       "for (std::int16_t i = 0; i + 1 < n; ++i) {",
       "for (std::int16_t i = 0; i + 2 < n; ++i) {")

# OK in a directory without matching files enables ">", ">>", "<", "<<" and the right list all the same.
mutant("ok-empty-enables-transfers", "src/mainwindow/source_selection.cpp",
       "if (lstAuswahl1.count() > 0) {",
       "if (lstAuswahl1.count() >= 0) {")

# The input frame asks for .asc files after "Convert .ov2" and for .ov2 files after "Convert .asc".
mutant("frame-caption-swapped", "src/mainwindow/source_selection.cpp",
       "fraInput.setCaption(ov2Mode ? \"Verzeichnis der .ov2 Datein auswählen !\"\n                                : \"Verzeichnis der .asc Datein auswählen !\");",
       "fraInput.setCaption(ov2Mode ? \"Verzeichnis der .asc Datein auswählen !\"\n                                : \"Verzeichnis der .ov2 Datein auswählen !\");")

# The drive filter keeps CD-ROM drives and removes network drives instead of the reverse.
mutant("drive-filter-remote-cdrom", "src/mainwindow/drive_check.cpp",
       "bolRemote, bolCDROM,     bolRAMDisk};",
       "bolCDROM, bolRemote,     bolRAMDisk};")

# Files with a blank in their name ("Meine Karte.ov2") are left out of the source list.
mutant("safe-name-blank", "src/mainwindow/script_safe_name.cpp",
       "if (byte < 0x20 || byte == 0x7F ||",
       "if (byte <= 0x20 || byte == 0x7F ||")

# ---------------------------------------------------------------- src/startup

# The notice's lines are joined by LF only instead of CR LF.
mutant("notice-line-ends", "src/startup/frm_splash.cpp",
       "text.append(\"\\r\\n\").append(lines[i]);",
       "text.append(\"\\n\").append(lines[i]);")

# The About window shows the layout's old "Version 0.6" instead of "Version V0.75".
mutant("about-version-not-set", "src/startup/frm_about.cpp",
       "void FrmAbout::Form_Load() {\n    lblVersion.setCaption(std::string(kVersionText));\n}",
       "void FrmAbout::Form_Load() {}")

# The error-log switch can be switched on but never off again.
mutant("errorlog-switch-sticks", "src/startup/help_menu.cpp",
       "window.mnuError.setChecked(!window.mnuError.checked());",
       "window.mnuError.setChecked(true);")

# OK on the notice unloads it before the main window is shown: with no window loaded the program ends.
mutant("splash-unload-first", "src/startup/frm_splash.cpp",
       "    fmrMain.show();\n    unload();",
       "    unload();\n    fmrMain.show();")

# "Bug melden" opens a mail with the subject "Feature_request".
mutant("bug-mail-subject-2", "src/startup/help_menu.cpp",
       "openLink(window, mailLink(\"Bug\"));",
       "openLink(window, mailLink(\"Feature_request\"));")

# ---------------------------------------------------------------- src/conversion

# The bitmap beside "Karte.ov2" is written as "Karte..bmp".
mutant("bitmap-name-extra-dot", "src/conversion/step_scripts.cpp",
       "if (const std::optional<std::string> base = DropLastCharacters(outName, 4)) {",
       "if (const std::optional<std::string> base = DropLastCharacters(outName, 3)) {")

# A run whose makeov2 step failed is reported as a success when an older output of that name exists.
mutant("success-on-stale-output", "src/conversion/conversion_run.cpp",
       "return complete_ && after && after != before;",
       "return complete_ && after.has_value();")

# komplett.txt is left in the output directory after a run without error log.
mutant("tidy-keeps-komplett-txt-2", "src/conversion/conversion_run.cpp",
       "{\"komplett.bat\", \"komplett.txt\", \"konvert.bat\", \"asc2ov2.bat\"}",
       "{\"komplett.bat\", \"konvert.bat\", \"asc2ov2.bat\"}")

# With the error log on, asc2ov2's output goes to ascov2.log, which is never deleted and Error.bug misses asc2ov2.log.
mutant("asc2ov2-log-name", "src/conversion/task.cpp",
       "return line.append(\" \\\">asc2ov2.log\");",
       "return line.append(\" \\\">ascov2.log\");")

# error.bat is left in the output directory after a run with the error log on.
mutant("error-bat-left-behind", "src/conversion/error_bundle.cpp",
       "    RunScript(window, Script::Error, false);\n    std::error_code ignored;\n    std::filesystem::remove(script, ignored);\n",
       "    RunScript(window, Script::Error, false);\n")

# A "%" in a file or directory name is written single into the scripts: the interpreter expands it and the file is not found.
mutant("script-percent-not-doubled-2", "src/conversion/script_file.cpp",
       "        if (c == '%') doubled += '%';\n",
       "")

# Script lines are converted from the console code page to the ANSI one instead of the reverse: umlauts in names come out wrong.
mutant("script-code-page-direction", "src/conversion/code_page_helpers.cpp",
       "return pages.convert(pages.toAnsi(sText), pages.ansiCodePage(), pages.oemCodePage());",
       "return pages.convert(pages.toAnsi(sText), pages.oemCodePage(), pages.ansiCodePage());")

# A cancelled save dialog that still holds the last name starts a run all the same.
mutant("cancelled-dialog-runs", "src/conversion/conversion_run.cpp",
       "if (!chosen || chosenPath.empty()) return;",
       "if (!chosen && chosenPath.empty()) return;")

# ---------------------------------------------------------------- src/platform/posix

# Network mounts (nfs, cifs, sshfs) count as removable drives, so the drive filter hides them.
mutant("mount-network-type", "src/platform/posix/mount_drives.cpp",
       "if (among(kNetwork, found->fileSystem)) return kDriveRemote;",
       "if (among(kNetwork, found->fileSystem)) return kDriveRemovable;")

# A mount point mounted over twice appears twice, and a hidden earlier mount stays listed.
mutant("mount-overmount-kept", "src/platform/posix/mount_drives.cpp",
       "        std::erase_if(drives, [&](const Mount& d) { return d.point == mount.point; });\n",
       "")

# Hidden files (".alt.ov2") appear in the source list.
mutant("fill-lists-hidden-files", "src/platform/posix/posix_directory_fill.cpp",
       "if (name.starts_with('.') || !entry.is_regular_file(ec)) continue;",
       "if (!entry.is_regular_file(ec)) continue;")

# Lists sort as in Swedish: "Ärzte.ov2" comes after "Zoo.ov2" instead of beside "Arzt".
mutant("collation-locale", "src/platform/posix/icu_collation.cpp",
       "collator_.reset(ucol_open(\"de\", &status));",
       "collator_.reset(ucol_open(\"sv\", &status));")

# ---------------------------------------------------------------- src/platform/qt

# Twips are truncated instead of rounded to pixels: at 120 or 144 dpi controls come out a pixel short.
mutant("twips-truncated", "src/platform/qt/twips.h",
       "return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));",
       "return static_cast<int>(twips * dotsPerInch / 1440.0);")

# The 8.25-point dialog font is set as 8 points.
mutant("font-points-integer", "src/platform/qt/window_fonts.cpp",
       "qfont.setPointSizeF(font.points);",
       "qfont.setPointSize(static_cast<int>(font.points));")

# The Tab key walks the controls in reverse order.
mutant("tab-order-reversed", "src/platform/qt/window_view.cpp",
       "return a->layout().tab < b->layout().tab;",
       "return a->layout().tab > b->layout().tab;")

# The list view appends each new entry at the bottom instead of at its sorted place.
mutant("listview-append-unsorted", "src/platform/qt/list_box_view.cpp",
       "rows_->insertItem(change.index, QString::fromStdString(list_.entries()[change.index]));",
       "rows_->addItem(QString::fromStdString(list_.entries()[change.index]));")

# The menu item "Error-Log erstellen" shows no check mark when switched on.
mutant("menu-check-mark-missing", "src/platform/qt/menu_view.cpp",
       "    item.action->setChecked(item.item->checked());\n",
       "")


# The second set of faults written by a reader who had seen the code but not the tests: 55 of
# its 57 caught before any fix; of the two others, the caption now has its test, and a
# double-click let through by the input filter is still dropped by the input gate (left out).
# Faults written without sight of the test suite; each is one small slip a user would notice.

# ---- tools/ov2: readers, writers, area index ----

# makeov2: a sixth decimal of exactly 5 no longer rounds up, so 13.404955 becomes 13.40495 instead of 13.40496.
mutant("ov2-asc-round-half-down", "tools/ov2/asc_reader.cpp",
       "if (fractionDigits == 5) roundUp = digit >= 5;",
       "if (fractionDigits == 5) roundUp = digit > 5;")

# makeov2: a name holding a doubled quote ("") is cut at the quote and the line is refused as bad data.
mutant("ov2-asc-doubled-quote-step", "tools/ov2/asc_reader.cpp",
       "in += 2;\n                continue;",
       "in += 1;\n                continue;")

# dumpov2: a quote inside a name is written single, so the .asc line is broken and will not convert back.
mutant("ov2-asc-writer-quote-not-doubled", "tools/ov2/asc_writer.cpp",
       "out.append(text.substr(0, quote + 1));",
       "out.append(text.substr(0, quote));")

# dumpov2: a file whose nested area blocks end together (any larger makeov2 output) is reported corrupt.
mutant("ov2-reader-one-block-end-per-record", "tools/ov2/ov2_reader.cpp",
       "while (!blockEnds_.empty() && blockEnds_.back() == offset_) blockEnds_.pop_back();",
       "if (!blockEnds_.empty() && blockEnds_.back() == offset_) blockEnds_.pop_back();")

# makeov2: the west edge of every area skipper comes from latitudes, so a device skips POIs that lie inside.
mutant("ov2-index-west-from-latitude", "tools/ov2/area_index.cpp",
       "area.west = std::min(area.west, pois[i].lon);",
       "area.west = std::min(area.west, pois[i].lat);")

# ---- tools/common: path resolution, wildcards, safe output files, tool entry ----

# A name with an umlaut in other letter case (Kärnten.ov2 for KÄRNTEN.OV2) is no longer found.
mutant("common-fold-latin1-offset", "tools/common/name_fold.cpp",
       "code != 0xF7) code -= 0x20;",
       "code != 0xF7) code -= 0x10;")

# copy *.asc joins in byte order, so b.asc comes before a.asc when one is written B.asc: the merge order changes.
mutant("common-wildcard-sort-by-bytes", "tools/common/wildcard.cpp",
       "return a.folded != b.folded ? a.folded < b.folded : a.name < b.name;",
       "return a.name < b.name;")

# A link as the output file is replaced by a plain file instead of updating the file it leads to.
mutant("common-atomic-link-not-followed", "tools/common/atomic_file.cpp",
       "std::filesystem::is_symlink(std::filesystem::symlink_status(target_, ec))",
       "std::filesystem::is_symlink(std::filesystem::status(target_, ec))")

# A failed conversion deletes the existing output file and leaves a .kavinor-*.tmp file behind.
mutant("common-atomic-cleanup-removes-target", "tools/common/atomic_file.cpp",
       "std::filesystem::remove(temp_, ignored);",
       "std::filesystem::remove(target_, ignored);")

# Wrong usage of dumpov2/makeov2 exits with 1 (bad data) instead of 2.
mutant("common-usage-exit-code", "tools/common/tool_main.cpp",
       "complain(tool + \": usage: \" + tool + \" \" + usage);\n        return 2;",
       "complain(tool + \": usage: \" + tool + \" \" + usage);\n        return 1;")

# ---- tools/kvcmd: the batch interpreter ----

# %% in a script line is read as % followed by a new percent sign: a file 100%.ov2 is named wrongly.
mutant("kvcmd-percent-double-not-consumed", "tools/kvcmd/percent.cpp",
       "result += '%';\n            ++pos;\n",
       "result += '%';\n")

# A line with & outside quotes is run as one command instead of being refused.
mutant("kvcmd-ampersand-not-refused", "tools/kvcmd/line_parser.cpp",
       "(c != '>' && c != '<' && c != '|' && c != '&')",
       "(c != '>' && c != '<' && c != '|')")

# echo keeps the separating blank: "echo Kavinor" writes " Kavinor", and "echo." writes a dot.
mutant("kvcmd-echo-keeps-separator", "tools/kvcmd/echo_command.cpp",
       "arguments.empty() ? arguments : arguments.substr(1);",
       "arguments.empty() ? arguments : arguments.substr(0);")

# Echoed commands in logs are no longer preceded by an empty line.
mutant("kvcmd-echo-no-blank-line", "tools/kvcmd/interpreter.cpp",
       "writeText(console_.out, \"\\r\\n\" + prompt + std::string(line) + \"\\r\\n\");",
       "writeText(console_.out, prompt + std::string(line) + \"\\r\\n\");")

# copy *.asc all.asc with an existing all.asc merges the old all.asc into itself.
mutant("kvcmd-copy-wildcard-joins-target", "tools/kvcmd/copy_command.cpp",
       "!(i == 0 && !args.target)",
       "!(i == 0)")

# rd removes a directory with everything in it instead of refusing one that is not empty.
mutant("kvcmd-rd-removes-contents", "tools/kvcmd/directory_commands.cpp",
       "if (fs::remove(target, ec); ec)",
       "if (fs::remove_all(target, ec); ec)")

# dir shows 1234 bytes as "123.4" instead of "1.234".
mutant("kvcmd-thousands-grouped-from-left", "tools/kvcmd/german_format.cpp",
       "if (i != 0 && (digits.size() - i) % 3 == 0) grouped += '.';",
       "if (i != 0 && i % 3 == 0) grouped += '.';")

# date /t and the dates in dir are a month early (June shows as 05).
mutant("kvcmd-date-month-off-by-one", "tools/kvcmd/german_format.cpp",
       "time.tm_mday, time.tm_mon + 1,",
       "time.tm_mday, time.tm_mon,")

# With kvcmd /c "..." >x.log the complaints of the script and tools go to the terminal, not the log.
mutant("kvcmd-log-misses-messages", "tools/kvcmd/main.cpp",
       "Streams{log.fd(), log.fd()}",
       "Streams{log.fd(), 2}")

# cd.. and echo. are no longer recognised as commands ("ist kein interner oder externer Befehl").
mutant("kvcmd-dot-does-not-end-name", "tools/kvcmd/builtins.cpp",
       "std::string_view(\".\\\\/:(+=,;[]\\\"\")",
       "std::string_view(\"\\\\/:(+=,;[]\\\"\")")

# ---- tools/icon ----

# icon.bmp and the window icon show red and blue swapped (a blue map pin).
mutant("icon-palette-red-blue-swapped", "tools/icon/bitmap_data.cpp",
       "bytes += static_cast<char>(colour.blue);\n        bytes += static_cast<char>(colour.green);\n        bytes += static_cast<char>(colour.red);",
       "bytes += static_cast<char>(colour.red);\n        bytes += static_cast<char>(colour.green);\n        bytes += static_cast<char>(colour.blue);")

# The icon file's images declare half their height (no room for the mask): the icon shows squashed or not at all.
mutant("icon-ico-height-without-mask", "tools/icon/ico_writer.cpp",
       "put32(bytes, 2 * height);",
       "put32(bytes, height);")

# ---- src/forms ----

# Adding an entry at the selected entry's place moves the highlight onto the new entry.
mutant("forms-selection-not-following-insert", "src/forms/list_box.cpp",
       "if (selected_ && *selected_ >= index) ++*selected_;",
       "if (selected_ && *selected_ > index) ++*selected_;")

# The subdirectories in the directory list are indented like the current directory, not one level below.
mutant("forms-dirlist-subdir-level", "src/forms/dir_list.cpp",
       "const auto level = static_cast<std::int16_t>(entries_.size());",
       "const auto level = static_cast<std::int16_t>(entries_.size() - 1);")

# A shown frame counts as lying over itself, so its buttons (OK, Convert) ignore every click.
mutant("forms-frame-covers-itself", "src/forms/window.cpp",
       "for (std::size_t above = 0; above < i; ++above)",
       "for (std::size_t above = 0; above <= i; ++above)")

# The close box closes a window even while About is shown modally or a run is under way.
mutant("forms-close-box-bypasses-gate", "src/forms/window.cpp",
       "deliver([this] { unload(); });",
       "unload();")

# Clicks that arrive while a handler runs (during a conversion) are carried out instead of dropped.
mutant("forms-gate-open-during-handler", "src/forms/input_gate.cpp",
       "const Owner handler(owners_, nullptr);\n    action();",
       "action();")

# ---- src/mainwindow ----

# At start and after Neu the right-hand list is enabled although it is empty.
mutant("main-start-target-list-enabled", "src/mainwindow/fmr_main.cpp",
       "lstAuswahl2.setEnabled(false);",
       "lstAuswahl2.setEnabled(true);")

# The drive filter drops network mounts and keeps optical discs.
mutant("main-drive-filter-remote-cdrom-swapped", "src/mainwindow/drive_check.cpp",
       "bolRemote, bolCDROM,",
       "bolCDROM, bolRemote,")

# The counter under the right-hand list shows the number of files in the left-hand list.
mutant("main-target-counter-wrong-list", "src/mainwindow/selection_lists.cpp",
       "std::to_string(lstAuswahl2.count())",
       "std::to_string(lstAuswahl1.count())")

# Pressing >> twice (or after >) lists every file twice in the right-hand list.
mutant("main-all-right-keeps-old-entries", "src/mainwindow/selection_lists.cpp",
       "lstAuswahl2.clear();\n    for (std::int16_t i = 0; i < lstAuswahl1.count(); ++i) {",
       "for (std::int16_t i = 0; i < lstAuswahl1.count(); ++i) {")

# After a cancelled frame of the other kind, a run treats the listed .ov2 files as .asc (or the reverse) and fails.
mutant("main-cancel-keeps-new-mode", "src/mainwindow/source_selection.cpp",
       "    bolOv2Mode = confirmedOv2Mode_;\n    setInputClosed();",
       "    setInputClosed();")

# Files and directories whose names hold a '?' are listed and written into scripts, where '?' is a wildcard.
mutant("main-safe-name-allows-question-mark", "src/mainwindow/script_safe_name.cpp",
       "kForbidden = \"\\\"\\\\/:*?<>|\";",
       "kForbidden = \"\\\"\\\\/:*<>|\";")

# The merge button starts with a hyphenated caption.
mutant("main-layout-konvert-caption", "src/mainwindow/fmr_main_layout.cpp",
       "\"Komplette LUV Datei erstellen\"",
       "\"Komplette LUV-Datei erstellen\"")

# ---- src/startup ----

# The notice's lines are joined by LF only instead of CR LF.
mutant("startup-notice-lf-only", "src/startup/frm_splash.cpp",
       "text.append(\"\\r\\n\")",
       "text.append(\"\\n\")")

# Notice and About show "Version 0.75" instead of "Version V0.75".
mutant("startup-version-text", "src/startup/startup_texts.h",
       "kVersionText = \"Version V0.75\";",
       "kVersionText = \"Version 0.75\";")

# The error-log menu item can be switched on but never off again.
mutant("startup-error-log-cannot-switch-off", "src/startup/help_menu.cpp",
       "window.mnuError.setChecked(!window.mnuError.checked());",
       "window.mnuError.setChecked(true);")

# OK on the notice unloads it before the main window is shown: the program ends instead of opening.
mutant("startup-notice-unloads-first", "src/startup/frm_splash.cpp",
       "fmrMain.show();\n    unload();",
       "unload();\n    fmrMain.show();")

# ---- src/program ----

# The menu item Feature request opens a mail with the subject Bug.
mutant("program-feature-wired-to-bug", "src/program/program.cpp",
       "startup::mnuFeature_Click(fmrMain);",
       "startup::mnuBug_Click(fmrMain);")

# ---- src/conversion ----

# After an .asc merge ConvertTemp stays in the output directory, so the next .asc merge there fails.
mutant("conv-asc-script-keeps-converttemp", "src/conversion/step_scripts.cpp",
       "    lines.emplace_back(\"rd ConvertTemp\");\n",
       "")

# With the error log on, step 1 logs to convert.log: Error.bug lacks it and the log is left behind.
mutant("conv-konvert-log-name", "src/conversion/task.cpp",
       "line.append(\"\\\" >konvert.log\");",
       "line.append(\"\\\" >convert.log\");")

# A run that lost a chosen file still writes the output, replacing an earlier complete file with a partial one.
mutant("conv-incomplete-run-still-writes-output", "src/conversion/conversion_run.cpp",
       "    if (!complete_) return;\n",
       "")

# Cancelling the save dialog still starts a merge under the name chosen last time.
mutant("conv-cancelled-dialog-runs", "src/conversion/conversion_run.cpp",
       "if (!chosen || chosenPath.empty()) return;",
       "if (!chosen && chosenPath.empty()) return;")

# With the error log off, komplett.txt is left in the output directory after every run.
mutant("conv-cleanup-keeps-komplett-txt", "src/conversion/conversion_run.cpp",
       "{\"komplett.bat\", \"komplett.txt\", \"konvert.bat\", \"asc2ov2.bat\"}",
       "{\"komplett.bat\", \"konvert.bat\", \"asc2ov2.bat\"}")

# A '%' in a file or directory name is no longer doubled in the scripts, so such files are not found.
mutant("conv-percent-not-doubled", "src/conversion/script_file.cpp",
       "        if (c == '%') doubled += '%';\n",
       "")

# The step scripts are written with LF line ends instead of CR LF.
mutant("conv-script-lf-line-ends", "src/conversion/script_file.cpp",
       "<< EncodeScriptLine(pages, line) << \"\\r\\n\";",
       "<< EncodeScriptLine(pages, line) << \"\\n\";")

# ---- src/platform/posix ----

# A mount point with a blank (written \040 in the mount table) appears with a wrong character in the drive list.
mutant("posix-mount-octal-as-decimal", "src/platform/posix/mount_drives.cpp",
       "(field[i + 2] - '0') * 8",
       "(field[i + 2] - '0') * 10")

# The drive of a directory is looked up the wrong way round: the drive list shows no current drive.
mutant("posix-drive-of-swapped-arguments", "src/platform/posix/mount_drives.cpp",
       "if (below(path, point) && point.size() > best.size()) best = point;",
       "if (below(point, path) && point.size() > best.size()) best = point;")

# Hidden files (.name.ov2) appear in the source list.
mutant("posix-fill-lists-hidden-files", "src/platform/posix/posix_directory_fill.cpp",
       "if (name.starts_with('.') || !entry.is_regular_file(ec)) continue;",
       "if (!entry.is_regular_file(ec)) continue;")

# Ending a script kills only the interpreter; the tools it started keep running and writing.
mutant("posix-terminate-leader-only", "src/platform/posix/posix_processes.cpp",
       "::kill(-id, SIGKILL);",
       "::kill(id, SIGKILL);")

# A three-byte character the target code page lacks (such as the euro sign) becomes "??" instead of one "?".
mutant("posix-codepage-three-byte-length", "src/platform/posix/iconv_code_pages.cpp",
       "if (lead >= 0xE0) return 3;",
       "if (lead >= 0xE0) return 2;")

# ---- src/platform/qt: the window front end ----

# At screens other than 96 dpi, positions and sizes are cut down instead of rounded: controls a pixel off.
mutant("ui-twips-truncated", "src/platform/qt/twips.h",
       "std::lround(twips * dotsPerInch / 1440.0)",
       "std::floor(twips * dotsPerInch / 1440.0)")

# A centred label that sizes itself (the notice's "Info") sits at the right edge of its place.
mutant("ui-centred-label-right", "src/platform/qt/caption_views.cpp",
       "left += spare / 2;",
       "left += spare;")

# A file added to a list box shows at its end instead of at its sorted place.
mutant("ui-listbox-insert-appends", "src/platform/qt/list_box_view.cpp",
       "rows_->insertItem(change.index, QString::fromStdString(list_.entries()[change.index]));",
       "rows_->addItem(QString::fromStdString(list_.entries()[change.index]));")

# The Tab key walks the controls in reverse order.
mutant("ui-tab-order-reversed", "src/platform/qt/window_view.cpp",
       "return a->layout().tab < b->layout().tab;",
       "return a->layout().tab > b->layout().tab;")


# Each merge adds the file type again: the save dialog lists "LUV-Dateien" once more per click.
mutant("ui-save-filters-accumulate", "src/platform/qt/qt_save_dialog.cpp",
       "    nameFilters_.clear();\n",
       "")
