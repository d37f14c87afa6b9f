#pragma once

namespace kvx {

// Registers the icons compiled into the static GUI library; call once before the first window.
void initResources();

} // namespace kvx
