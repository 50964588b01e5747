#include <QEvent>
#include <QFocusEvent>

#include "control_views.h"

namespace kavinor::qt {

DriveListView::DriveListView(forms::DriveList& drives, const forms::ControlLayout& layout,
                             QWidget* parent, double dotsPerInch)
    : ControlView(drives, layout, new QComboBox(parent), dotsPerInch), drives_(drives) {
    combo_ = static_cast<QComboBox*>(widget());
    for (const std::string& drive : drives.entries())
        combo_->addItem(QString::fromStdString(drive));
    listConnection_ = drives.listChanged.connect([this](const forms::ListChange& c) { follow(c); });
    QObject::connect(combo_, &QComboBox::activated, this, [this](int index) {
        drives_.choose(static_cast<std::int16_t>(index));
        // A choice that the list dropped shows the current drive again.
        mirror();
    });
    combo_->installEventFilter(this);
}

DriveListView::~DriveListView() {
    drives_.listChanged.disconnect(listConnection_);
}

void DriveListView::mirror() {
    ControlView::mirror();
    mirroring_ = true;
    const QString drive = QString::fromStdString(drives_.drive());
    // The drive filter may have taken the current drive's entry away; it is still shown.
    combo_->setPlaceholderText(drive);
    combo_->setCurrentIndex(combo_->findText(drive, Qt::MatchExactly));
    mirroring_ = false;
}

void DriveListView::follow(const forms::ListChange& change) {
    mirroring_ = true;
    switch (change.kind) {
        case forms::ListChange::Kind::Inserted:
            combo_->insertItem(change.index,
                               QString::fromStdString(drives_.entries()[change.index]));
            break;
        case forms::ListChange::Kind::Removed:
            combo_->removeItem(change.index);
            break;
        case forms::ListChange::Kind::Cleared:
            combo_->clear();
            break;
        case forms::ListChange::Kind::Selected:
            break;
    }
    mirroring_ = false;
    mirror();
}

bool DriveListView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == combo_ && event->type() == QEvent::FocusIn) {
        // The user's move of the focus, not the window's own activation.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
            reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
            drives_.focus();
        }
    }
    return false;
}

}  // namespace kavinor::qt
