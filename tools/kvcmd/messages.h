#pragma once

#include <string>
#include <string_view>
#include <system_error>

// Every text the interpreter prints, in the German forms a German Windows installation
// shows, since its logs go to a German support desk.
namespace kavinor::kvcmd::messages {

inline constexpr std::string_view kFileNotFound =
    "Das System kann die angegebene Datei nicht finden.";
inline constexpr std::string_view kPathNotFound =
    "Das System kann den angegebenen Pfad nicht finden.";
inline constexpr std::string_view kAccessDenied = "Zugriff verweigert";
inline constexpr std::string_view kSyntax = "Die Syntax des Befehls ist falsch.";
inline constexpr std::string_view kCopyOntoItself =
    "Die Datei kann nicht auf sich selbst kopiert werden.";
inline constexpr std::string_view kNotADirectory = "Der Verzeichnisname ist ungültig.";
inline constexpr std::string_view kDirectoryNotEmpty = "Das Verzeichnis ist nicht leer.";
inline constexpr std::string_view kExists = "Die Datei oder das Verzeichnis existiert bereits.";
inline constexpr std::string_view kManyIntoOne =
    "Mehrere Dateien können nicht in eine einzelne Datei verschoben werden.";
inline constexpr std::string_view kDiskFull =
    "Auf dem Datenträger ist nicht genug Speicherplatz vorhanden.";
inline constexpr std::string_view kEchoIsOn = "ECHO ist eingeschaltet (ON).";
inline constexpr std::string_view kEchoIsOff = "ECHO ist ausgeschaltet (OFF).";
inline constexpr std::string_view kUnterminatedQuote = "Das schließende Anführungszeichen fehlt.";
inline constexpr std::string_view kBadName =
    "Die Syntax für den Dateinamen, Verzeichnisnamen oder die Datenträgerbezeichnung ist falsch.";
inline constexpr std::string_view kMissingRedirectionTarget =
    "Nach dem Umleitungszeichen fehlt der Dateiname.";
inline constexpr std::string_view kDateCannotBeSet = "Das Datum wird nur angezeigt: \"date /t\".";
inline constexpr std::string_view kTimeCannotBeSet = "Die Uhrzeit wird nur angezeigt: \"time /t\".";

// "        1 Datei(en) kopiert." and its kin: the count right-aligned in nine places.
std::string fileCount(std::size_t count, std::string_view done);
std::string notACommand(std::string_view name);
std::string cannotStart(std::string_view name, std::string_view reason);
std::string invalidSwitch(std::string_view option);
std::string unsupportedCharacter(char c);
std::string fileNotFoundNamed(std::string_view name);
std::string alreadyExists(std::string_view name);
std::string cannotRead(std::string_view name);
std::string cannotWrite(std::string_view name);
std::string isADirectory(std::string_view name);

// The message for a failed file-system call: the German text of the common causes.
std::string forError(const std::error_code& error);

}  // namespace kavinor::kvcmd::messages
