#include "TidewellApp.h"

#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(TidewellPlugin)

int main(int argc, char** argv) {
    return tidewell::TidewellApp::run(argc, argv);
}
