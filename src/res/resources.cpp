#include "res/resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initKvxEditResources()
{
    Q_INIT_RESOURCE(kvxedit);
}

namespace kvx {

void initResources()
{
    initKvxEditResources();
}

} // namespace kvx
