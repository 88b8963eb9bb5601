// `schattwerk-generator`: the desktop program.
#include "app/GeneratorApp.h"
#include "platform/Application.h"

namespace schattwerk {

GeneratorApp theApp;

}  // namespace schattwerk

int main(int argc, char** argv) {
    return platform::RunApplication(argc, argv, schattwerk::theApp);
}
