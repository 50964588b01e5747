#include "control_view.h"

#include "control_views.h"
#include "twips.h"
#include "window_fonts.h"

namespace kavinor::qt {

ControlView::ControlView(forms::Control& control, const forms::ControlLayout& layout,
                         QWidget* widget, double dotsPerInch)
    : control_(control),
      layout_(layout),
      widget_(widget),
      dotsPerInch_(dotsPerInch),
      focusPolicy_(widget->focusPolicy()) {
    widget->setObjectName(QString::fromUtf8(layout.name.data(), qsizetype(layout.name.size())));
    widget->setFont(windowFont(layout.font));
    widget->setGeometry(layoutRect());
    connection_ = control.changed.connect([this] { mirror(); });
}

ControlView::~ControlView() {
    control_.changed.disconnect(connection_);
}

void ControlView::mirror() {
    if (!widget_) return;
    widget_->setEnabled(control_.enabled());
    widget_->setHidden(!control_.visible());
}

void ControlView::followReach() {
    if (!widget_) return;
    const bool reachable = control_.reachable();
    widget_->setFocusPolicy(reachable ? focusPolicy_ : Qt::NoFocus);
    if (!reachable && widget_->hasFocus()) widget_->clearFocus();
}

QRect ControlView::layoutRect() const {
    const forms::Rect& r = layout_.twips;
    return {toPixels(r.left, dotsPerInch_), toPixels(r.top, dotsPerInch_),
            toPixels(r.width, dotsPerInch_), toPixels(r.height, dotsPerInch_)};
}

QString captionText(const std::string& caption) {
    QString text = QString::fromStdString(caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::unique_ptr<ControlView> createControlView(forms::Control& control,
                                               const forms::ControlLayout& layout, QWidget* parent,
                                               double dotsPerInch) {
    std::unique_ptr<ControlView> view;
    switch (layout.kind) {
        case forms::Kind::Frame:
            view = std::make_unique<FrameView>(dynamic_cast<forms::Frame&>(control), layout, parent,
                                               dotsPerInch);
            break;
        case forms::Kind::Button:
            view = std::make_unique<ButtonView>(dynamic_cast<forms::Button&>(control), layout,
                                                parent, dotsPerInch);
            break;
        case forms::Kind::Label:
            view = std::make_unique<LabelView>(dynamic_cast<forms::Label&>(control), layout, parent,
                                               dotsPerInch);
            break;
        case forms::Kind::TextBox:
            view = std::make_unique<TextBoxView>(dynamic_cast<forms::TextBox&>(control), layout,
                                                 parent, dotsPerInch);
            break;
        case forms::Kind::ListBox:
            view = std::make_unique<ListBoxView>(dynamic_cast<forms::ListBox&>(control), layout,
                                                 parent, dotsPerInch);
            break;
        case forms::Kind::DriveList:
            view = std::make_unique<DriveListView>(dynamic_cast<forms::DriveList&>(control), layout,
                                                   parent, dotsPerInch);
            break;
        case forms::Kind::DirList:
            view = std::make_unique<DirListView>(dynamic_cast<forms::DirList&>(control), layout,
                                                 parent, dotsPerInch);
            break;
        case forms::Kind::FileList:
            view = std::make_unique<FileListView>(dynamic_cast<forms::FileList&>(control), layout,
                                                  parent, dotsPerInch);
            break;
        case forms::Kind::SaveDialog:
            return nullptr;
    }
    view->mirror();
    return view;
}

}  // namespace kavinor::qt
