#include "app/resources.h"
#include <QtGlobal>

static void loadAssets() {
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(sounds);
}

void loadResources() {
    static const bool loaded = (loadAssets(), true);
    (void)loaded;
}
