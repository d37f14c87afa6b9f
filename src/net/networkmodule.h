#pragma once

class QWidget;

namespace kvx {

class HttpFetcher;

// The network module (kvxedit-network) holds the editor's fetcher over Qt Network. The editor loads it
// at its first download rather than at start-up, which would load Qt Network and the libraries under
// it (Kerberos, proxy detection, compression) before the window shows.

// The module's file name without its suffix.
inline constexpr const char* kNetworkModuleName = "kvxedit-network";
// Its one entry: a new fetcher, owned by the caller, whose progress dialog is modal to `window` (or
// to the whole program without one).
inline constexpr const char* kNetworkModuleEntry = "kvxCreateHttpFetcher";
using CreateHttpFetcher = HttpFetcher* (*)(QWidget* window);

} // namespace kvx
