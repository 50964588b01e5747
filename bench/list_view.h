#pragma once

#include <string>
#include <vector>

#include "list_box.h"

namespace kavinor::bench {

// A view that follows every notice of a list box as a window would: it keeps its own copy of the
// entries and its own selection, changed by what each notice says.
class ListView {
public:
    explicit ListView(const forms::ListBox& list);
    const std::vector<std::string>& rows() const { return rows_; }

private:
    const forms::ListBox& list_;
    std::vector<std::string> rows_;
    int selected_ = -1;
};

}  // namespace kavinor::bench
