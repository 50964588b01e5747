#include "messages.h"

#include <cerrno>

namespace kavinor::kvcmd::messages {

std::string fileCount(std::size_t count, std::string_view done) {
    std::string number = std::to_string(count);
    if (number.size() < 9) number.insert(0, 9 - number.size(), ' ');
    return number + " Datei(en) " + std::string(done) + ".";
}

std::string notACommand(std::string_view name) {
    return "\"" + std::string(name) +
           "\" ist kein interner oder externer Befehl, ein ausführbares Programm oder eine "
           "Batchdatei.";
}

std::string cannotStart(std::string_view name, std::string_view reason) {
    return "\"" + std::string(name) + "\" kann nicht gestartet werden: " + std::string(reason);
}

std::string invalidSwitch(std::string_view option) {
    return "Ungültiger Schalter - \"" + std::string(option) + "\".";
}

std::string unsupportedCharacter(char c) {
    return "Das Zeichen \"" + std::string(1, c) +
           "\" außerhalb von Anführungszeichen wird nicht unterstützt.";
}

std::string fileNotFoundNamed(std::string_view name) {
    return "Datei nicht gefunden - " + std::string(name);
}

std::string alreadyExists(std::string_view name) {
    return "Ein Unterverzeichnis oder eine Datei mit dem Namen \"" + std::string(name) +
           "\" existiert bereits.";
}

std::string cannotRead(std::string_view name) {
    return "Die Datei \"" + std::string(name) + "\" kann nicht gelesen werden.";
}

std::string cannotWrite(std::string_view name) {
    return "Die Datei \"" + std::string(name) + "\" kann nicht geschrieben werden.";
}

std::string isADirectory(std::string_view name) {
    return "\"" + std::string(name) + "\" ist ein Verzeichnis.";
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
            return "Systemfehler " + std::to_string(error.value()) + ".";
    }
}

}  // namespace kavinor::kvcmd::messages
