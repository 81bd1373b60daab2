#include "platform/AppProfile.h"

#include <QSettings>

int GetAppProfileInt(const char* section, const char* entry, int defaultValue) {
    QSettings profile("Local AppWizard-Generated Applications", "MerowFishScr");
    bool ok = false;
    const int value = profile.value(QString("%1/%2").arg(section, entry), defaultValue).toInt(&ok);
    return ok ? value : defaultValue;
}
