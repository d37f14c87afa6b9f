#include "import/lyngsataddress.h"

namespace kvx {

namespace {

// Leaves room for the cell file's suffix within the usual 255-byte limit of a file name.
constexpr std::size_t kMaxPageFileName = 200;

} // namespace

std::string lyngSatSiteAddress(std::string_view configured)
{
    while (!configured.empty() && (configured.back() == '/' || configured.back() == ' '))
        configured.remove_suffix(1);
    while (!configured.empty() && configured.front() == ' ')
        configured.remove_prefix(1);
    return configured.empty() ? std::string(kDefaultLyngSatSite) : std::string(configured);
}

std::string lyngSatPageUrl(std::string_view siteAddress, std::string_view pageName)
{
    std::string url(siteAddress);
    url += '/';
    url += pageName;
    return url;
}

std::string downloadedPageFileName(std::string_view pageName)
{
    const std::size_t slash = pageName.find_last_of('/');
    const std::string_view last = slash == std::string_view::npos ? pageName : pageName.substr(slash + 1);
    if (last.empty() || last == "." || last == ".." || last.size() > kMaxPageFileName ||
        last.find('\0') != std::string_view::npos)
        return std::string(kFallbackPageFileName);
    return std::string(last);
}

} // namespace kvx
