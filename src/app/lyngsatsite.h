#pragma once

#include <QString>

namespace kvx {

// The LyngSat site's address, kept in the settings under kLyngSatSiteKey (the default site when none is
// set), without trailing "/".
QString lyngSatSite();
inline const char* const kLyngSatSiteKey = "LyngSat/siteAddress";

} // namespace kvx
