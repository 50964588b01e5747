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
mutant("atomic-link-replaced", "tools/common/atomic_file.cpp",
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
mutant("copy-join-count", "tools/kvcmd/copy_command.cpp",
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
mutant("bug-mail-subject", "src/startup/help_menu.cpp",
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
mutant("tidy-keeps-komplett-txt", "src/conversion/conversion_run.cpp",
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
mutant("script-percent-not-doubled", "src/conversion/script_file.cpp",
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
