#include "display_guard.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <vector>

namespace kavinor::app {
namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// The state of the one guard, which Qt's handler, a plain function, reaches.
bool guarding = false;
QtMessageHandler usual = nullptr;
std::string noDisplayLine;
std::vector<HeldMessage> held;
// Qt may report from threads of its own too.
std::mutex heldLock;

// With heldLock taken.
void sendHeld() {
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        usual(message.type, context, message.text);
    }
    held.clear();
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldLock);
    // Qt tells a failed display connection by a fatal message, after which it aborts.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs(noDisplayLine.c_str(), stderr);
        std::_Exit(1);
    }
    held.push_back({type, context.category != nullptr ? context.category : "", text});
    // Any other fatal message goes out at once, with those before it: Qt aborts after it.
    if (type == QtFatalMsg) sendHeld();
}

}  // namespace

DisplayGuard::DisplayGuard(const std::string& toolDirectory) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    std::error_code ec;
    const bool buildTree = std::filesystem::exists(
        std::filesystem::path(toolDirectory).parent_path() / "CMakeCache.txt", ec);
    noDisplayLine = buildTree ? "kavinor: Keine Anzeige erreichbar (DISPLAY/WAYLAND_DISPLAY); ohne "
                                "Anzeige zeigt scripts/demo.sh eine Zusammenführung im Terminal.\n"
                              : "kavinor: Keine Anzeige erreichbar (DISPLAY/WAYLAND_DISPLAY).\n";
    guarding = true;
    usual = qInstallMessageHandler(hold);
}

void DisplayGuard::release() {
    if (!guarding) return;
    guarding = false;
    qInstallMessageHandler(usual);
    const std::lock_guard lock(heldLock);
    sendHeld();
}

}  // namespace kavinor::app
