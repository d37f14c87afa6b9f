#include "net/networkmodule.h"

#include <type_traits>

#include <QtGlobal>

#include "net/qthttpfetcher.h"

extern "C" Q_DECL_EXPORT kvx::HttpFetcher* kvxCreateHttpFetcher(QWidget* window)
{
    static_assert(std::is_same_v<decltype(&kvxCreateHttpFetcher), kvx::CreateHttpFetcher>);
    return new kvx::QtHttpFetcher({}, window);
}
