// From creating the window to its being on the screen with the default list loaded, beside a
// bare main window with the same menu bar: the floor that Qt itself sets.
#include "platform/xoshiro_random.h"
#include "window/qt/frm_scoffle.h"
#include "window/qt/qt_desktop.h"
#include "window/scoffle_rules.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenuBar>
#include <QTest>

namespace {

void ShowFrmScoffle(benchmark::State &state) {
    XoshiroRandom random(1);
    for (auto _ : state) {
        FrmScoffle window;
        QtDesktop desktop(&window);
        ScoffleRules rules(window, desktop, random, {VILIFEX_DATA_DIR, VILIFEX_DATA_DIR});
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
BENCHMARK(ShowFrmScoffle)->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
