#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <cstddef>
#include <memory>

#include "control.h"
#include "layout.h"

namespace kavinor::qt {

// One Qt widget that shows one forms control: placed at its layout rectangle, with its layout
// font, enabled and visible as the control is. Every change of the control is mirrored at once;
// the user's input on the widget goes to the control, which decides what it means.
class ControlView : public QObject {
public:
    ControlView(forms::Control& control, const forms::ControlLayout& layout, QWidget* widget,
                double dotsPerInch);
    ~ControlView() override;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    forms::Control& control() const { return control_; }
    const forms::ControlLayout& layout() const { return layout_; }
    QWidget* widget() const { return widget_; }

    // The keyboard reaches the widget only while the user can reach the control: a frame shown
    // above it keeps the focus away.
    void followReach();

protected:
    // Mirrors the control's properties onto the widget.
    virtual void mirror();
    // The layout rectangle in pixels, from the top left of the container.
    QRect layoutRect() const;

private:
    forms::Control& control_;
    const forms::ControlLayout& layout_;
    QPointer<QWidget> widget_;
    double dotsPerInch_;
    Qt::FocusPolicy focusPolicy_;
    std::size_t connection_;
    friend std::unique_ptr<ControlView> createControlView(forms::Control&,
                                                          const forms::ControlLayout&, QWidget*,
                                                          double);
};

// The view of a control of the kind its layout entry names, as a child of `parent`.
std::unique_ptr<ControlView> createControlView(forms::Control& control,
                                               const forms::ControlLayout& layout, QWidget* parent,
                                               double dotsPerInch);

// A text of the program as Qt shows it: its CR LF line breaks become Qt's.
QString captionText(const std::string& caption);

}  // namespace kavinor::qt
