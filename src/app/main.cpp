// `schattwerk-generator`: the desktop program.
#include "app/GeneratorApp.h"
#include "platform/window/Application.h"

namespace schattwerk {

GeneratorApp theApp;

}  // namespace schattwerk

int main(int argc, char** argv) {
    return platform::RunApplication(
        argc, argv, schattwerk::theApp,
        "schattwerk-generator: Keine Anzeige gefunden, auf der das Fenster geöffnet werden kann. "
        "Das Befehlszeilenprogramm \"schattwerk\" arbeitet auch ohne Anzeige.");
}
