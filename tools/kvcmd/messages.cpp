#include "messages.h"

#include <cerrno>
#include <initializer_list>

namespace kavinor::kvcmd::messages {

namespace {

// Joins the pieces by appending; chains of `+` on temporaries trip a false alarm of the
// compiler's overlap check in optimised builds.
std::string concat(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces) text.append(piece);
    return text;
}

}  // namespace

std::string fileCount(std::size_t count, std::string_view done) {
    const std::string number = std::to_string(count);
    const std::string padding(number.size() < 9 ? 9 - number.size() : 0, ' ');
    return concat({padding, number, " Datei(en) ", done, "."});
}

std::string notACommand(std::string_view name) {
    return concat({"\"", name,
                   "\" ist kein interner oder externer Befehl, ein ausführbares Programm oder "
                   "eine Batchdatei."});
}

std::string cannotStart(std::string_view name, std::string_view reason) {
    return concat({"\"", name, "\" kann nicht gestartet werden: ", reason});
}

std::string invalidSwitch(std::string_view option) {
    return concat({"Ungültiger Schalter - \"", option, "\"."});
}

std::string unsupportedCharacter(char c) {
    return concat({"Das Zeichen \"", std::string_view(&c, 1),
                   "\" außerhalb von Anführungszeichen wird nicht unterstützt."});
}

std::string fileNotFoundNamed(std::string_view name) {
    return concat({"Datei nicht gefunden - ", name});
}

std::string alreadyExists(std::string_view name) {
    return concat(
        {"Ein Unterverzeichnis oder eine Datei mit dem Namen \"", name, "\" existiert bereits."});
}

std::string cannotRead(std::string_view name) {
    return concat({"Die Datei \"", name, "\" kann nicht gelesen werden."});
}

std::string cannotWrite(std::string_view name) {
    return concat({"Die Datei \"", name, "\" kann nicht geschrieben werden."});
}

std::string isADirectory(std::string_view name) {
    return concat({"\"", name, "\" ist ein Verzeichnis."});
}

std::string forError(const std::error_code& error) {
    switch (error.value()) {
        case ENOENT:
            return std::string(kFileNotFound);
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return std::string(kAccessDenied);
        case ENOTDIR:
            return std::string(kNotADirectory);
        case ENOTEMPTY:
            return std::string(kDirectoryNotEmpty);
        case EEXIST:
            return std::string(kExists);
        case ENOEXEC:
            return "Die Datei ist kein ausführbares Programm.";
        case ENOSPC:
            return std::string(kDiskFull);
        default:
            return concat({"Systemfehler ", std::to_string(error.value()), "."});
    }
}

}  // namespace kavinor::kvcmd::messages
