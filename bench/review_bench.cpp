// "Revisar" on a hundred thousand labels: opening the list (places, the check
// on the label printer, the table's first paint) and scrolling it a page at a
// time, as the main windows run them.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <random>

#include "common/ui/boxes/dialogs.h"
#include "fichas/ui/mainwindow.h"
#include "lomos/ui/mainwindow.h"
#include "printfile_generator.h"
#include "silentdialogs.h"
#include "windowfinder.h"
#include "common/ui/frame/seams.h"

namespace {

// A program's main window on a drive C of its own (the demo settings, the
// default coordinates, a print file of `items` items), its labels generated.
template <class Window>
struct Generated {
    explicit Generated(int items) {
        const QString print = drive.filePath(QStringLiteral("CLIENTE/CATALOG/FILES/BIB50/PRINT"));
        QDir().mkpath(print);
        QFile prn(print + QStringLiteral("/itemlbl.prn"));
        prn.open(QIODevice::WriteOnly);
        prn.write(makePrintFile(items));
        prn.close();
        for (const char* name : {"ini.prn", "cy.txt"}) {
            QFile::copy(QStringLiteral(ETIQUETAS_DEMO_DIR "/") + QLatin1String(name),
                        drive.filePath(QLatin1String(name)));
        }
        qputenv("ETIQUETAS_UNIDAD_C", QFile::encodeName(drive.path()));
        window = std::make_unique<Window>(Seams{dialogs});
        windowtest::run(window.get(), lomos ? "Toolbar1_1" : "cmdGenerar");
    }
    void openReview() { windowtest::run(window.get(), lomos ? "Toolbar1_3" : "cmdRevisar"); }
    static ReviewWindow* review() { return windowtest::opened<ReviewWindow>("frmRevisar"); }
    static QTableView* table() { return review()->findChild<QTableView*>("grdEtiquetas"); }

    static constexpr bool lomos = std::is_same_v<Window, lomos::MainWindow>;
    QTemporaryDir drive;
    SilentDialogs dialogs;
    std::unique_ptr<Window> window;
};

template <class Window>
void openReview(benchmark::State& state) {
    Generated<Window> g(int(state.range(0)));
    for (auto _ : state) {
        g.openReview();
        benchmark::DoNotOptimize(g.review()->grab());  // the first paint
        state.PauseTiming();
        delete g.review();
        state.ResumeTiming();
    }
}

template <class Window>
void scrollReview(benchmark::State& state) {
    Generated<Window> g(int(state.range(0)));
    g.openReview();
    QTableView* table = g.table();
    QScrollBar* bar = table->verticalScrollBar();
    std::mt19937 random(1);
    for (auto _ : state) {
        // A page down from anywhere in the list, repainted.
        bar->setValue(int(random() % unsigned(bar->maximum())));
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        benchmark::DoNotOptimize(table->viewport()->grab());
    }
}

// One row left out or taken back: places, the check and the table again.
template <class Window>
void toggleRow(benchmark::State& state) {
    Generated<Window> g(int(state.range(0)));
    g.openReview();
    ReviewModel* model = g.review()->model();
    const QModelIndex row = model->index(5000, ReviewModel::Print);
    bool printed = true;
    for (auto _ : state) {
        printed = !printed;
        model->setData(row, printed ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        benchmark::DoNotOptimize(g.table()->viewport()->grab());
    }
}

void BM_LomosReviewOpen(benchmark::State& s) { openReview<lomos::MainWindow>(s); }
void BM_FichasReviewOpen(benchmark::State& s) { openReview<fichas::MainWindow>(s); }
void BM_LomosReviewScrollPage(benchmark::State& s) { scrollReview<lomos::MainWindow>(s); }
void BM_FichasReviewScrollPage(benchmark::State& s) { scrollReview<fichas::MainWindow>(s); }
void BM_LomosReviewToggleRow(benchmark::State& s) { toggleRow<lomos::MainWindow>(s); }
void BM_FichasReviewToggleRow(benchmark::State& s) { toggleRow<fichas::MainWindow>(s); }
BENCHMARK(BM_LomosReviewToggleRow)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FichasReviewToggleRow)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LomosReviewOpen)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FichasReviewOpen)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LomosReviewScrollPage)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FichasReviewScrollPage)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
