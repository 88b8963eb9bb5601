// The main window's command handlers, "Generieren" and "Entschlüsseln", timed inside the running
// program on Qt's offscreen platform; the hint entry dialog is answered with a valid case.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <functional>

#include "app/GeneratorApp.h"
#include "case_model/Ids.h"
#include "platform/window/Dialog.h"
#include "ui/ResourceIds.h"

namespace schattwerk {
namespace {

// Runs `main` on the main dialog and answers every hint entry dialog with the worked example.
class Player : public platform::ModalHook {
  public:
    explicit Player(std::function<void(platform::Dialog&)> main) : main(std::move(main)) {}

    void Run(platform::Dialog& dialog) override {
        if (dialog.Caption() == "Hinweise eingeben") {
            const char* hints[] = {"74", "34", "55", "22", "86", "60", "47", "21"};
            for (int i = 0; i < WitnessCount; ++i) {
                dialog.SetItemText(HintFieldFirst + i, hints[i]);
            }
            dialog.SendCommand(platform::CommandOk);
            return;
        }
        main(dialog);
        dialog.EndDialog(platform::CommandCancel);
    }

  private:
    std::function<void(platform::Dialog&)> main;
};

void RunCommand(benchmark::State& state, int command) {
    GeneratorApp application;
    application.AttachModule(platform::ModuleInstance(SCHATTWERK_GENERATOR_PATH));
    Player player([&](platform::Dialog& main) {
        for (auto _ : state) {
            main.SendCommand(command);
        }
    });
    platform::SetModalHook(&player);
    application.InitInstance();
    platform::SetModalHook(nullptr);
}

void GenerateHandler(benchmark::State& state) {
    RunCommand(state, CommandGenerate);
}
BENCHMARK(GenerateHandler);

void DecodeHandler(benchmark::State& state) {
    RunCommand(state, CommandDecode);
}
BENCHMARK(DecodeHandler);

}  // namespace
}  // namespace schattwerk

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
