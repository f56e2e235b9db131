// From creating the window to its being on the screen with the default list loaded, beside a
// bare main window with the same menu bar: the floor that Qt itself sets.
#include "platform/xoshiro_random.h"
#include "window/qt/frm_scoffle.h"
#include "window/qt/qt_desktop.h"
#include "window/scoffle_rules.h"

#include <benchmark/benchmark.h>

#include <filesystem>

#include <QApplication>
#include <QMenuBar>
#include <QTest>

namespace {

// The list's file name as the first argument: a German list agrees its words as well.
void ShowFrmScoffle(benchmark::State &state, const char *list) {
    XoshiroRandom random(1);
    for (auto _ : state) {
        FrmScoffle window;
        QtDesktop desktop(&window);
        ScoffleRules rules(window, desktop, random,
                           {std::filesystem::path(VILIFEX_DATA_DIR) / list, VILIFEX_DATA_DIR});
        window.attach(rules);
        if (!rules.load() || !QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("the window did not come up");
    }
}

void ShowBareWindow(benchmark::State &state) {
    for (auto _ : state) {
        QMainWindow window;
        QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
        file->addAction(QStringLiteral("E&xit"));
        QMenu *settings = window.menuBar()->addMenu(QStringLiteral("&Settings"));
        for (const char *caption :
             {"&Show Stats", "Use &Commas", "&Length Order", "Single &Modifier"})
            settings->addAction(QString::fromLatin1(caption))->setCheckable(true);
        auto *client = new QWidget(&window);
        client->setFixedSize(397, 85);
        window.setCentralWidget(client);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("the window did not come up");
    }
}

} // namespace

BENCHMARK(ShowBareWindow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowFrmScoffle, English, "wordlist.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ShowFrmScoffle, German, "wordlist.de.txt")->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
