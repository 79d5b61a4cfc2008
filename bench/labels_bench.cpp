// Generation, the label walks, and rendering, as the windows and --pdf run
// them. Counters: bytes and labels per second.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <map>

#include "common/core/design/design.h"
#include "common/core/sheets/catalogue.h"
#include "common/paint/paintersurface.h"
#include "fichas/core/fullcheck.h"
#include "fichas/core/fullgeneration.h"
#include "fichas/core/fullwalk.h"
#include "lomos/core/coordinates.h"
#include "lomos/core/spinecheck.h"
#include "lomos/core/spinegeneration.h"
#include "lomos/core/spinewalk.h"
#include "printfile_generator.h"
#include "recordingsurface.h"

using namespace lomos;

namespace {

// One generated print file per size, written once and read from the page
// cache by every iteration.
const QString& printFileOf(int items) {
    static QTemporaryDir dir;
    static std::map<int, QString> paths;
    auto it = paths.find(items);
    if (it == paths.end()) {
        const QString path = dir.filePath(QStringLiteral("itemlbl-%1.prn").arg(items));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(makePrintFile(items));
        it = paths.emplace(items, path).first;
    }
    return it->second;
}

void setRates(benchmark::State& state, qint64 bytesPerIteration, qint64 labelsPerIteration) {
    state.SetBytesProcessed(int64_t(state.iterations()) * bytesPerIteration);
    state.counters["labels/s"] = benchmark::Counter(
        double(state.iterations()) * double(labelsPerIteration), benchmark::Counter::kIsRate);
}

void BM_LomosGeneration(benchmark::State& state) {
    const QString& path = printFileOf(int(state.range(0)));
    qint64 labels = 0;
    for (auto _ : state) {
        SpineGeneration g = generateSpineLabels(path);
        labels = g.labelCount;
        benchmark::DoNotOptimize(g);
    }
    setRates(state, QFileInfo(path).size(), labels);
}
BENCHMARK(BM_LomosGeneration)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FichasGeneration(benchmark::State& state) {
    const QString& path = printFileOf(int(state.range(0)));
    qint64 labels = 0;
    for (auto _ : state) {
        fichas::FullGeneration g = fichas::generateFullLabels(path);
        labels = g.labelCount;
        benchmark::DoNotOptimize(g);
    }
    setRates(state, QFileInfo(path).size(), labels);
}
BENCHMARK(BM_FichasGeneration)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The check before printing, measured on a PDF's real font metrics as the
// windowless job does (the windows measure on the printer).
void BM_LomosCheck(benchmark::State& state) {
    const SpineGeneration g = generateSpineLabels(printFileOf(int(state.range(0))));
    const CoordinateTable table = defaultCoordinateTable();
    QTemporaryDir dir;
    PdfSurface pdf(dir.filePath(QStringLiteral("never.pdf")), PdfSurface::Paper::A4);
    for (auto _ : state) {
        benchmark::DoNotOptimize(checkSpineLabels(g.callNumberLines, g.cutLabels, table, "8",
                                                  {kPrinterFace}, FirstSheet(kSpineSheet.places()),
                                                  pdf));
    }
    setRates(state, 0, g.labelCount);
}
BENCHMARK(BM_LomosCheck)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_FichasCheck(benchmark::State& state) {
    const fichas::FullGeneration g = fichas::generateFullLabels(printFileOf(int(state.range(0))));
    QTemporaryDir dir;
    PdfSurface pdf(dir.filePath(QStringLiteral("never.pdf")), PdfSurface::Paper::A4);
    for (auto _ : state) {
        benchmark::DoNotOptimize(fichas::checkFullLabels(
            g, fichas::printedPlaces(), {}, FirstSheet(fichas::kFullSheet.places()), pdf));
    }
    setRates(state, 0, g.labelCount);
}
BENCHMARK(BM_FichasCheck)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SpineWalkRecording(benchmark::State& state) {
    const SpineGeneration g = generateSpineLabels(printFileOf(int(state.range(0))));
    const CoordinateTable table = defaultCoordinateTable();
    const auto lines = std::make_shared<const labellist::LabelList>(g.callNumberLines);
    for (auto _ : state) {
        RecordingSurface surface;
        printPages(spineWalk(lines, table, {QStringLiteral("8"), {kPrinterFace}}), surface,
                   FirstSheet(lomos::kSpineSheet.places()));
        benchmark::DoNotOptimize(surface.lines().size());
    }
    setRates(state, 0, g.labelCount);
}
BENCHMARK(BM_SpineWalkRecording)->Arg(3300)->Unit(benchmark::kMillisecond);

void BM_FullWalkRecording(benchmark::State& state) {
    const fichas::FullGeneration g = fichas::generateFullLabels(printFileOf(int(state.range(0))));
    const auto lists = std::make_shared<const fichas::FullGeneration>(g);
    for (auto _ : state) {
        RecordingSurface surface;
        printPages(fichas::fullWalk(lists, fichas::printedPlaces()), surface,
                   FirstSheet(fichas::kFullSheet.places()));
        benchmark::DoNotOptimize(surface.lines().size());
    }
    setRates(state, 0, g.labelCount);
}
BENCHMARK(BM_FullWalkRecording)->Arg(3600)->Unit(benchmark::kMillisecond);

// 100 sheets into a PDF, as --pdf renders them.
void BM_SpinePdf100Sheets(benchmark::State& state) {
    const SpineGeneration g = generateSpineLabels(printFileOf(3300));
    const CoordinateTable table = defaultCoordinateTable();
    QTemporaryDir dir;
    const auto lines = std::make_shared<const labellist::LabelList>(g.callNumberLines);
    for (auto _ : state) {
        PdfSurface pdf(dir.filePath(QStringLiteral("spine.pdf")), PdfSurface::Paper::A4);
        printPages(spineWalk(lines, table, {QStringLiteral("8"), {kPrinterFace}}), pdf,
                   FirstSheet(lomos::kSpineSheet.places()));
    }
    setRates(state, 0, g.labelCount);
}
BENCHMARK(BM_SpinePdf100Sheets)->Unit(benchmark::kMillisecond);

void BM_FullPdf100Sheets(benchmark::State& state) {
    const fichas::FullGeneration g = fichas::generateFullLabels(printFileOf(3600));
    QTemporaryDir dir;
    const auto lists = std::make_shared<const fichas::FullGeneration>(g);
    for (auto _ : state) {
        PdfSurface pdf(dir.filePath(QStringLiteral("full.pdf")), PdfSurface::Paper::A4);
        printPages(fichas::fullWalk(lists, fichas::printedPlaces()), pdf,
                   FirstSheet(fichas::kFullSheet.places()));
    }
    setRates(state, 0, g.labelCount);
}
BENCHMARK(BM_FullPdf100Sheets)->Unit(benchmark::kMillisecond);

// A design's drawing beside the default's, in one run: 3,300 spine labels
// cut and centred as a university's rule says (arg 1) or as always (arg 0),
// into a PDF.
constexpr const char* kUniversityRule =
    "[tejuelo]\nfuente = Times New Roman\nmayusculas = si\ncortar_en = /\nquitar = HU\n"
    "lineas_libres = 1\nalineacion = centro\nvertical = centro\n";

void BM_SpinePdfWithADesign(benchmark::State& state) {
    const design::Design design = state.range(0) ? *design::readText(kUniversityRule).design
                                                 : design::Design();
    const SpineGeneration g = generateSpineLabels(printFileOf(3300), design);
    const CoordinateTable table = defaultCoordinateTable();
    QTemporaryDir dir;
    const auto lines = std::make_shared<const labellist::LabelList>(g.callNumberLines);
    const SpineDrawing drawing{QStringLiteral("8"), lookOf(design.spine, kPrinterFace), {}};
    for (auto _ : state) {
        PdfSurface pdf(dir.filePath(QStringLiteral("spine.pdf")), PdfSurface::Paper::A4);
        printPages(spineWalk(lines, table, drawing), pdf, FirstSheet(lomos::kSpineSheet.places()));
    }
    state.SetLabel(state.range(0) ? "university rule" : "as always");
    setRates(state, 0, g.labelCount);
}
BENCHMARK(BM_SpinePdfWithADesign)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// 3,600 full labels with their barcodes as Code 128 symbols (arg 1) or as
// text (arg 0), into a PDF.
void BM_FullPdfWithCode128(benchmark::State& state) {
    const fichas::FullGeneration g = fichas::generateFullLabels(printFileOf(3600));
    design::Design design;
    if (state.range(0)) design.full.barcode = design::Symbology::Code128;
    const fichas::FullLook look = fichas::lookOf(design.full);
    QTemporaryDir dir;
    const auto lists = std::make_shared<const fichas::FullGeneration>(g);
    for (auto _ : state) {
        PdfSurface pdf(dir.filePath(QStringLiteral("full.pdf")), PdfSurface::Paper::A4);
        printPages(fichas::fullWalk(lists, fichas::printedPlaces(), look), pdf,
                   FirstSheet(fichas::kFullSheet.places()));
    }
    state.SetLabel(state.range(0) ? "Code 128" : "as always");
    setRates(state, 0, g.labelCount);
}
BENCHMARK(BM_FullPdfWithCode128)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// A design file read from disk, as each program reads it at start and
// --design before the job.
void BM_DesignRead(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.ini"));
    design::writeFile(path, *design::readText(QByteArray(kUniversityRule) +
                                              "encima = z30-sub-library\n[ficha]\ncodigo = code39\n"
                                              "[siglas]\nBiblioteca Central = BC\nHemeroteca = HEM\n")
                                 .design);
    for (auto _ : state) benchmark::DoNotOptimize(design::readFile(path));
}
BENCHMARK(BM_DesignRead)->Unit(benchmark::kMicrosecond);

// The catalogue of label sheets as the package installs it: read whole, as
// "Hoja de etiquetas…" opens, and searched, as each letter is typed.
void BM_CatalogueRead(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(catalogue::read(catalogue::folder()));
}
BENCHMARK(BM_CatalogueRead)->Unit(benchmark::kMillisecond);

void BM_CatalogueSearch(benchmark::State& state) {
    const catalogue::Catalogue all = catalogue::read(catalogue::folder());
    const QString texts[] = {QStringLiteral("Herma"), QStringLiteral("4102"),
                             QStringLiteral("48,5 x 25,4")};
    for (auto _ : state) {
        for (const QString& text : texts)
            benchmark::DoNotOptimize(catalogue::search(all, {}, text));
    }
}
BENCHMARK(BM_CatalogueSearch)->Unit(benchmark::kMillisecond);

// The same 3,300 labels into a PDF on the program's own sheet (33 a sheet)
// and on stocks of 44 and 65: labels per second should not depend on it.
void BM_SpinePdfOnAStock(benchmark::State& state) {
    const SpineGeneration g = generateSpineLabels(printFileOf(3300));
    const catalogue::Catalogue all = catalogue::read(catalogue::folder());
    const char* names[] = {nullptr, "Herma 4102", "Herma 4606"};
    std::optional<Stock> stock;
    if (const char* name = names[state.range(0)]) stock = *all.find(QString::fromLatin1(name));
    const CoordinateTable table = coordinatesOf(stock);
    const int places = stock ? stock->grid().places() : kSpineSheet.places();
    QTemporaryDir dir;
    const auto lines = std::make_shared<const labellist::LabelList>(g.callNumberLines);
    for (auto _ : state) {
        PdfSurface pdf(dir.filePath(QStringLiteral("spine.pdf")), PdfSurface::Paper::A4);
        printPages(spineWalk(lines, table, {QStringLiteral("8"), {kPrinterFace}}), pdf,
                   FirstSheet(places));
    }
    state.SetLabel(names[state.range(0)] ? names[state.range(0)] : "33 a sheet");
    setRates(state, 0, g.labelCount);
}
BENCHMARK(BM_SpinePdfOnAStock)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// What "Vista Previa" draws before it asks: one sheet on the preview picture.
void BM_PreviewOneSheet(benchmark::State& state) {
    const SpineGeneration g = generateSpineLabels(printFileOf(lomos::kSpineSheet.places()));
    const CoordinateTable table = defaultCoordinateTable();
    QImage image(833, 1172, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    const auto lines = std::make_shared<const labellist::LabelList>(g.callNumberLines);
    for (auto _ : state) {
        ImageSurface surface(image);  // a copy; drawn on, then dropped
        surface.cls();
        previewPages(spineWalk(lines, table, {QStringLiteral("8"), {kPreviewFace}}), surface,
                     FirstSheet(lomos::kSpineSheet.places()));
    }
    setRates(state, 0, 33);
}
BENCHMARK(BM_PreviewOneSheet)->Unit(benchmark::kMillisecond);

}  // namespace
