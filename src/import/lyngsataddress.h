#pragma once

#include <string>
#include <string_view>

namespace kvx {

// The site address used when no other is configured.
inline constexpr std::string_view kDefaultLyngSatSite = "https://www.lyngsat.com";

// The site address as configured, without trailing "/" (the page name follows after one "/").
std::string lyngSatSiteAddress(std::string_view configured);

// The address of a page: the site address, "/" and the page name exactly as typed.
std::string lyngSatPageUrl(std::string_view siteAddress, std::string_view pageName);

// The name the downloaded page is kept under: the page name without everything up to and including its
// last "/". A name that could not stay inside its folder ("", ".", "..") or that is too long for a file
// name gives kFallbackPageFileName.
std::string downloadedPageFileName(std::string_view pageName);
inline constexpr std::string_view kFallbackPageFileName = "page";

// The page rewritten into one table cell per line goes into a file named like the downloaded one with
// this appended.
inline constexpr std::string_view kCellFileSuffix = "_temp";

} // namespace kvx
