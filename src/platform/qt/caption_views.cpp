#include <QKeyEvent>

#include "control_views.h"

namespace kavinor::qt {
namespace {

Qt::Alignment alignment(forms::Align align) {
    switch (align) {
        case forms::Align::Right:
            return Qt::AlignRight | Qt::AlignTop;
        case forms::Align::Center:
            return Qt::AlignHCenter | Qt::AlignTop;
        case forms::Align::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Qt would read '&' as an access-key marker; no caption has one.
QString withoutAccessKeys(const std::string& caption) {
    return captionText(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

FrameView::FrameView(forms::Frame& frame, const forms::ControlLayout& layout, QWidget* parent,
                     double dotsPerInch)
    : ControlView(frame, layout, new QGroupBox(parent), dotsPerInch), frame_(frame) {
    box_ = static_cast<QGroupBox*>(widget());
    // A frame hides what lies below it; its line runs through the middle of its caption, which
    // sits on it at the top left.
    const int half = box_->fontMetrics().height() / 2;
    box_->setStyleSheet(
        QStringLiteral("QGroupBox { border: 2px groove palette(mid); margin-top: %1px;"
                       " background-color: palette(window); background-clip: margin; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 6px;"
                       " padding: 0 2px; background-color: palette(window); }")
            .arg(half));
}

void FrameView::mirror() {
    ControlView::mirror();
    box_->setTitle(captionText(frame_.caption()));
}

ButtonView::ButtonView(forms::Button& button, const forms::ControlLayout& layout, QWidget* parent,
                       double dotsPerInch)
    : ControlView(button, layout, new QPushButton(parent), dotsPerInch), button_(button) {
    push_ = static_cast<QPushButton*>(widget());
    // No button is its window's default, so Qt's push button ignores Enter; the filter below
    // makes Enter press the focused button, as Space does.
    push_->setAutoDefault(false);
    QObject::connect(push_, &QPushButton::clicked, this, [this] { button_.click(); });
    push_->installEventFilter(this);
}

bool ButtonView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != push_ || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    // Through `clicked`, as a mouse click: the input gate decides on it.
    push_->click();
    return true;
}

void ButtonView::mirror() {
    ControlView::mirror();
    push_->setText(withoutAccessKeys(button_.caption()));
}

LabelView::LabelView(forms::Label& label, const forms::ControlLayout& layout, QWidget* parent,
                     double dotsPerInch)
    : ControlView(label, layout, new QLabel(parent), dotsPerInch), label_(label) {
    text_ = static_cast<QLabel*>(widget());
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(alignment(layout.align));
    text_->setWordWrap(!layout.autoSize);
}

void LabelView::mirror() {
    ControlView::mirror();
    text_->setText(captionText(label_.caption()));
    if (!layout().autoSize) return;
    const QRect place = layoutRect();
    const QSize size = text_->sizeHint();
    int left = place.left();
    const int spare = place.width() - size.width();
    if (layout().align == forms::Align::Right) left += spare;
    if (layout().align == forms::Align::Center) left += spare / 2;
    text_->setGeometry(left, place.top(), size.width(), size.height());
}

TextBoxView::TextBoxView(forms::TextBox& box, const forms::ControlLayout& layout, QWidget* parent,
                         double dotsPerInch)
    : ControlView(box, layout, new QLineEdit(parent), dotsPerInch), box_(box) {
    edit_ = static_cast<QLineEdit*>(widget());
    edit_->setReadOnly(true);
}

void TextBoxView::mirror() {
    ControlView::mirror();
    edit_->setText(QString::fromStdString(box_.text()));
}

FileListView::FileListView(forms::FileList& files, const forms::ControlLayout& layout,
                           QWidget* parent, double dotsPerInch)
    : ControlView(files, layout, new QListWidget(parent), dotsPerInch) {}

}  // namespace kavinor::qt
