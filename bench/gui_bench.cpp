// guibench TOOL_DIR: times the windows through the real Qt widgets, offscreen: the start of the
// program to a shown notice window (each start a new process), filling the source list with
// 32,767 names through the input frame's "OK", and the full copy of them with ">>". Prints each
// figure beside its target.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "desktop_program.h"
#include "qt_program.h"
#include "report.h"
#include "temp_dir.h"

namespace {

using kavinor::bench::Measurement;
namespace fs = std::filesystem;

constexpr int kRepetitions = 5;
constexpr int kNames = 32767;
constexpr double kStartTargetSeconds = 0.5;
constexpr double kListTargetSeconds = 0.3;

double cpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// The program as kavinor starts it, until its notice window is on the screen.
int showNotice(const std::string& toolDirectory) {
    kavinor::app::DesktopProgram kavinor(toolDirectory);
    kavinor.program().start();
    const QWidget& notice = kavinor.frontEnd().view(kavinor.program().frmSplash);
    while (!notice.windowHandle() || !notice.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    std::puts("shown");
    std::fflush(stdout);
    return 0;
}

Measurement measureStarts(const char* self, const std::string& toolDirectory) {
    Measurement m;
    for (int i = 0; i < kRepetitions; ++i) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(QString::fromLocal8Bit(self),
                    {QStringLiteral("--show-notice"), QString::fromStdString(toolDirectory)});
        if (!child.waitForReadyRead(10'000) || !child.readAll().startsWith("shown")) {
            throw std::runtime_error("the program did not show its notice window");
        }
        m.seconds.push_back(clock.nsecsElapsed() / 1e9);
        child.waitForFinished();
        m.cpuSeconds.push_back(m.seconds.back());
    }
    return m;
}

void makeSourceFiles(const fs::path& dir) {
    fs::create_directories(dir);
    std::vector<int> order(kNames);
    for (int i = 0; i < kNames; ++i) order[i] = i;
    std::shuffle(order.begin(), order.end(), std::mt19937(2024));
    const char* places[] = {"Burgen", "Seen", "Gipfel", "Ärzte", "Öfen", "Übergänge", "Zoo"};
    for (int i : order) {
        std::ofstream(dir / (std::string(places[i % 7]) + " " + std::to_string(i) + ".ov2"));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "--show-notice") return showNotice(argv[2]);
    if (argc != 2) {
        std::fprintf(stderr, "usage: guibench TOOL_DIRECTORY\n");
        return 2;
    }
    try {
        const std::string tools = fs::absolute(argv[1]).string();
        QApplication::setQuitOnLastWindowClosed(false);
        const Measurement starts = measureStarts(argv[0], tools);

        kavinor::test::TempDir temp;
        const fs::path source = temp.path() / "Quelle";
        makeSourceFiles(source);
        kavinor::test::FakeProcesses processes;
        kavinor::test::QtProgram app(processes, tools);
        if (!app.startToMainWindow()) throw std::runtime_error("the main window is not active");
        Measurement fill;
        Measurement copy;
        for (int i = 0; i < kRepetitions; ++i) {
            app.click(app.window, "cmdStart");
            if (!app.openDirectory(source.string())) {
                throw std::runtime_error("the directory list did not reach " + source.string());
            }
            for (auto [measurement, button] : {std::pair{&fill, "cmdOK"}, {&copy, "cmdallehin"}}) {
                QElapsedTimer clock;
                clock.start();
                const double cpu = cpuSeconds();
                app.click(app.window, button);
                QCoreApplication::processEvents();
                measurement->seconds.push_back(clock.nsecsElapsed() / 1e9);
                measurement->cpuSeconds.push_back(cpuSeconds() - cpu);
            }
            if (app.window.lstAuswahl2.count() != kNames) {
                throw std::runtime_error("the target list holds " +
                                         std::to_string(app.window.lstAuswahl2.count()) +
                                         " names, not all");
            }
        }
        kavinor::bench::printTimeHeader();
        kavinor::bench::printTime("start to a shown notice window", starts, kStartTargetSeconds);
        kavinor::bench::printTime("fill the source list with 32,767 names", fill,
                                  kListTargetSeconds);
        kavinor::bench::printTime("copy all 32,767 names with >>", copy, kListTargetSeconds);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "guibench: %s\n", e.what());
        return 1;
    }
    return 0;
}
