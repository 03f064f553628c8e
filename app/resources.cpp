#include "app/resources.h"
#include <QIcon>
#include <QtGlobal>

static void loadAssets() {
    Q_INIT_RESOURCE(assets);
    Q_INIT_RESOURCE(sounds);
}

void loadResources() {
    static const bool loaded = (loadAssets(), true);
    (void)loaded;
}

const QIcon& programIcon() {
    loadResources();
    // Never destroyed: it may outlive the application object, after which no pixmap may be released.
    static const QIcon* const icon = new QIcon(QStringLiteral(":/icon/pokuraku.png"));
    return *icon;
}
