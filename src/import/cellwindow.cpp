#include "import/cellwindow.h"

namespace kvx {

void CellWindow::push(std::string_view cell)
{
    newest_ = (newest_ + 1) % kSize;
    std::string& slot = cells_[newest_];
    slot.clear();
    for (const char c : cell)
        if (c != ' ' && c != '\t')
            slot.push_back(c);
}

} // namespace kvx
