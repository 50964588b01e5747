#include "menu_view.h"

#include <QMenu>
#include <stdexcept>

#include "control_view.h"

namespace kavinor::qt {

MenuView::MenuView(forms::Window& window, QMenuBar* bar) : QObject(bar) {
    QMenu* menu = nullptr;
    for (const forms::MenuLayout& entry : window.layout().menu) {
        if (entry.separator()) {
            if (menu != nullptr) menu->addSeparator();
            continue;
        }
        auto* item = dynamic_cast<forms::MenuItem*>(window.control(entry.name));
        if (item == nullptr) throw std::logic_error("no menu item " + std::string(entry.name));
        QAction* action = nullptr;
        if (entry.level == 1) {
            menu = bar->addMenu(QString());
            action = menu->menuAction();
        } else if (menu != nullptr) {
            action = menu->addAction(QString());
            QObject::connect(action, &QAction::triggered, this, [item, action] {
                // Qt has just flipped a check mark of its own; the item decides.
                mirror({item, action, 0});
                item->click();
            });
        }
        if (action == nullptr) continue;
        action->setObjectName(QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size())));
        const Item mirrored{item, action, 0};
        items_.push_back({item, action, item->changed.connect([mirrored] { mirror(mirrored); })});
        mirror(items_.back());
    }
}

MenuView::~MenuView() {
    for (const Item& item : items_) item.item->changed.disconnect(item.connection);
}

void MenuView::mirror(const Item& item) {
    QString caption = captionText(item.item->caption());
    item.action->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    item.action->setEnabled(item.item->enabled());
    item.action->setVisible(item.item->visible());
    // Only a checked item is checkable, so unchecked items show no empty box.
    item.action->setCheckable(item.item->checked());
    item.action->setChecked(item.item->checked());
}

}  // namespace kavinor::qt
