#include "control_views.h"

namespace kavinor::qt {

ListBoxView::ListBoxView(forms::ListBox& list, const forms::ControlLayout& layout, QWidget* parent,
                         double dotsPerInch)
    : ControlView(list, layout, new QListWidget(parent), dotsPerInch), list_(list) {
    rows_ = static_cast<QListWidget*>(widget());
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Rows of one height let the view place 32,767 entries without measuring each.
    rows_->setUniformItemSizes(true);
    for (const std::string& entry : list.entries()) {
        rows_->addItem(QString::fromStdString(entry));
    }
    showSelection();
    listConnection_ = list.listChanged.connect([this](const forms::ListChange& c) { follow(c); });
    QObject::connect(rows_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!mirroring_) chosen(row);
    });
}

ListBoxView::~ListBoxView() {
    list_.listChanged.disconnect(listConnection_);
}

void ListBoxView::follow(const forms::ListChange& change) {
    mirroring_ = true;
    switch (change.kind) {
        case forms::ListChange::Kind::Inserted:
            rows_->insertItem(change.index, QString::fromStdString(list_.entries()[change.index]));
            break;
        case forms::ListChange::Kind::Removed:
            delete rows_->takeItem(change.index);
            break;
        case forms::ListChange::Kind::Cleared:
            rows_->clear();
            break;
        case forms::ListChange::Kind::Selected:
            break;
    }
    mirroring_ = false;
    // Qt moves its current row along with inserts and removals; the list's selection rules.
    showSelection();
}

void ListBoxView::showSelection() {
    mirroring_ = true;
    const int row = list_.selectedIndex().value_or(-1);
    if (rows_->currentRow() != row) rows_->setCurrentRow(row);
    if (row < 0) rows_->clearSelection();
    mirroring_ = false;
}

void ListBoxView::chosen(int row) {
    list_.choose(row < 0 ? std::nullopt : std::optional<std::int16_t>(row));
    // Input that the list dropped leaves its selection, and so the view's, as it was.
    showSelection();
}

}  // namespace kavinor::qt
