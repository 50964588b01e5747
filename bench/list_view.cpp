#include "list_view.h"

namespace kavinor::bench {

ListView::ListView(const forms::ListBox& list) : list_(list), rows_(list.entries()) {
    list.listChanged.connect([this](const forms::ListChange& change) {
        using K = forms::ListChange::Kind;
        switch (change.kind) {
            case K::Inserted:
                rows_.insert(rows_.begin() + change.index, list_.entries()[change.index]);
                break;
            case K::Removed:
                rows_.erase(rows_.begin() + change.index);
                break;
            case K::Cleared:
                rows_.clear();
                break;
            case K::Selected:
                selected_ = change.index;
                break;
        }
    });
}

}  // namespace kavinor::bench
