#include "window_view.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "menu_view.h"
#include "twips.h"

namespace kavinor::qt {
namespace {

Qt::WindowFlags frameFlags(const forms::WindowLayout& layout) {
    // Tool windows stay out of the task bar.
    Qt::WindowFlags flags = layout.inTaskBar ? Qt::Window : Qt::Tool;
    // No minimise or maximise button in any window.
    flags |= Qt::CustomizeWindowHint;
    if (layout.titleBar) flags |= Qt::WindowTitleHint;
    if (layout.closeButton) flags |= Qt::WindowCloseButtonHint;
    if (layout.border == forms::Border::FixedDialog) flags |= Qt::MSWindowsFixedSizeDialogHint;
    return flags;
}

// A window without an icon of its own would show the program's.
QIcon noIcon() {
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

// Labels and frames never take the focus, and Qt drops a tab link to a widget that takes none:
// chained, they would break the order. All other kinds are chained, whether they take the focus
// now or not, since their reach changes at run time.
bool inTabOrder(forms::Kind kind) {
    switch (kind) {
        case forms::Kind::Button:
        case forms::Kind::TextBox:
        case forms::Kind::ListBox:
        case forms::Kind::DriveList:
        case forms::Kind::DirList:
        case forms::Kind::FileList:
            return true;
        case forms::Kind::Frame:
        case forms::Kind::Label:
        case forms::Kind::SaveDialog:
            break;
    }
    return false;
}

}  // namespace

WindowView::WindowView(forms::Window& window, const QIcon& programIcon)
    : QWidget(nullptr, frameFlags(window.layout())), window_(window) {
    const forms::WindowLayout& layout = window.layout();
    setObjectName(QString::fromUtf8(layout.name.data(), qsizetype(layout.name.size())));
    setWindowIcon(layout.icon ? programIcon : noIcon());

    const double dotsPerInch = screen()->logicalDotsPerInch();
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    // Not resizable: the window keeps the size of its menu bar and client area.
    frame->setSizeConstraint(QLayout::SetFixedSize);
    if (!layout.menu.empty()) {
        menuBar_ = new QMenuBar(this);
        new MenuView(window, menuBar_);
        frame->setMenuBar(menuBar_);
    }
    client_ = new QWidget(this);
    client_->setFixedSize(toPixels(layout.clientWidth, dotsPerInch),
                          toPixels(layout.clientHeight, dotsPerInch));
    frame->addWidget(client_);

    createControls(dotsPerInch);
    stackAndOrder();
    windowConnection_ = window.changed.connect([this] { mirrorState(); });
    followReach();
    mirrorState();
}

WindowView::~WindowView() {
    window_.changed.disconnect(windowConnection_);
    for (const auto& [control, id] : connections_) control->changed.disconnect(id);
}

void WindowView::createControls(double dotsPerInch) {
    for (const forms::ControlLayout& entry : window_.layout().controls) {
        if (entry.kind == forms::Kind::SaveDialog) continue;
        forms::Control* control = window_.control(entry.name);
        if (control == nullptr) throw std::logic_error("no control " + std::string(entry.name));
        QWidget* parent = client_;
        if (!entry.container.empty()) {
            parent = widgetOf(entry.container);
            if (parent == nullptr) {
                throw std::logic_error("container " + std::string(entry.container) +
                                       " comes after " + std::string(entry.name));
            }
        }
        std::unique_ptr<ControlView> view = createControlView(*control, entry, parent, dotsPerInch);
        viewOfWidget_.insert(view->widget(), view.get());
        connections_.emplace_back(control, control->changed.connect([this] { followReach(); }));
        views_.push_back(std::move(view));
    }
}

void WindowView::stackAndOrder() {
    // Earlier in the layout is drawn above: raising from the last one up leaves the first on top.
    for (auto view = views_.rbegin(); view != views_.rend(); ++view) (*view)->widget()->raise();

    std::vector<const ControlView*> byTab;
    for (const auto& view : views_) {
        if (inTabOrder(view->layout().kind)) byTab.push_back(view.get());
    }
    std::stable_sort(byTab.begin(), byTab.end(), [](const ControlView* a, const ControlView* b) {
        return a->layout().tab < b->layout().tab;
    });
    for (std::size_t i = 1; i < byTab.size(); ++i) {
        QWidget::setTabOrder(byTab[i - 1]->widget(), byTab[i]->widget());
    }
}

QWidget* WindowView::widgetOf(std::string_view name) const {
    for (const auto& view : views_) {
        if (view->layout().name == name) return view->widget();
    }
    return nullptr;
}

bool WindowView::takesInputFor(const QWidget* target) const {
    if (!window_.takesInput()) return false;
    for (const QWidget* w = target; w != nullptr && w != this; w = w->parentWidget()) {
        if (const ControlView* view = viewOfWidget_.value(w)) return view->control().reachable();
    }
    return true;
}

void WindowView::closeEvent(QCloseEvent* event) {
    // The window decides: it unloads, and this view follows.
    event->ignore();
    window_.requestClose();
}

void WindowView::followReach() {
    for (const auto& view : views_) view->followReach();
}

void WindowView::mirrorState() {
    setWindowTitle(QString::fromStdString(window_.caption()));
    if (!window_.loaded() || !window_.visible()) {
        hide();
        return;
    }
    const Qt::WindowModality modality = window_.modal() ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        // Qt takes a new modality only while the window is hidden.
        hide();
        setWindowModality(modality);
    }
    if (isVisible()) return;
    adjustSize();
    const QRect screenArea = screen()->availableGeometry();
    move(screenArea.center() - QPoint(width() / 2, height() / 2));
    show();
    activateWindow();
}

}  // namespace kavinor::qt
