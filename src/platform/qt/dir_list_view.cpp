#include <QApplication>
#include <QStyle>

#include "control_views.h"

namespace kavinor::qt {

DirListView::DirListView(forms::DirList& dirs, const forms::ControlLayout& layout, QWidget* parent,
                         double dotsPerInch)
    : ControlView(dirs, layout, new QListWidget(parent), dotsPerInch), dirs_(dirs) {
    rows_ = static_cast<QListWidget*>(widget());
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Activation is a double-click, or Enter on the highlighted entry.
    QObject::connect(rows_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        dirs_.open(static_cast<std::int16_t>(rows_->row(item)));
    });
}

void DirListView::mirror() {
    ControlView::mirror();
    // A directory list holds the path and one directory's subdirectories: few entries, so it
    // is shown anew on each change.
    const QIcon open = rows_->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = rows_->style()->standardIcon(QStyle::SP_DirClosedIcon);
    rows_->clear();
    const std::int16_t current = dirs_.currentIndex();
    for (std::size_t i = 0; i < dirs_.entries().size(); ++i) {
        const forms::DirList::Entry& entry = dirs_.entries()[i];
        auto* item = new QListWidgetItem(
            static_cast<std::int16_t>(i) <= current ? open : closed,
            QString(entry.level * 2, QLatin1Char(' ')) + QString::fromStdString(entry.name));
        rows_->addItem(item);
    }
    rows_->setCurrentRow(current);
}

}  // namespace kavinor::qt
