#include "app/lyngsatsite.h"

#include <QSettings>

#include "import/lyngsataddress.h"

namespace kvx {

QString lyngSatSite()
{
    const QString configured = QSettings().value(QLatin1String(kLyngSatSiteKey)).toString();
    return QString::fromStdString(lyngSatSiteAddress(configured.toStdString()));
}

} // namespace kvx
