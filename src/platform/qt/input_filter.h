#pragma once

#include <QObject>
#include <vector>

namespace kavinor::qt {

class WindowView;

// Drops the user's input to a window that takes none now (a handler runs, say a conversion run,
// or another window is modal) and to controls the user cannot reach, before any widget acts on
// it: so no widget changes while the program would not answer, and nothing is kept for later.
// Dialogs of the system that a handler shows are no such windows and take their input.
class InputFilter final : public QObject {
public:
    explicit InputFilter(std::vector<const WindowView*> views);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<const WindowView*> views_;
};

}  // namespace kavinor::qt
