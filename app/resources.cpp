#include "app/resources.h"
#include <QtGlobal>

static void loadAssets() { Q_INIT_RESOURCE(assets); }

void loadResources() {
    static const bool loaded = (loadAssets(), true);
    (void)loaded;
}
