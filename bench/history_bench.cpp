// The history of jobs with a thousand kept jobs of a hundred full labels
// each: opening "Trabajos anteriores…", a search across every job, and
// what keeping one more adds to "Generar".
#include <benchmark/benchmark.h>

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include "common/core/history/jobhistory.h"
#include "common/ui/history/jobswindow.h"
#include "silentdialogs.h"

namespace {

// A job of `labels` full labels, its fields and items as a print file's,
// numbered from `first`.
jobhistory::KeptJob fullJob(int first, int labels) {
    jobhistory::KeptJob job;
    job.program = QStringLiteral("fichas");
    for (int i = first; i < first + labels; ++i) {
        const QString n = QString::number(i);
        job.labels.push_back({{QStringLiteral("39003%1").arg(i, 8, 10, QChar(u'0'))},
                              {QStringLiteral("QA76.73"), QStringLiteral(".C") + n, QStringLiteral("2005")},
                              {QStringLiteral("Cervantes Saavedra, Miguel de ") + n},
                              {QStringLiteral("Novelas ejemplares, tomo ") + n}});
        job.items += "<section-02>\r\n<z30-barcode>39003" + QByteArray::number(i) +
                     "</z30-barcode>\r\n<z30-call-no>QA76.73 .C" + QByteArray::number(i) +
                     " 2005</z30-call-no>\r\n<z13-author>Cervantes Saavedra, Miguel de " +
                     QByteArray::number(i) + "</z13-author>\r\n<z13-title>Novelas ejemplares, tomo " +
                     QByteArray::number(i) + "</z13-title>\r\n</section-02>\r\n";
    }
    job.firstCallNumber = QStringLiteral("QA76.73 .C%1 2005").arg(first);
    job.lastCallNumber = QStringLiteral("QA76.73 .C%1 2005").arg(first + labels - 1);
    return job;
}

// A history of a thousand jobs of a hundred labels, made once.
const QString& fullHistory() {
    static QTemporaryDir dir;
    static const QString folder = dir.filePath(QStringLiteral("trabajos"));
    if (QDir(folder).exists()) return folder;
    jobhistory::History history(folder);
    for (int j = 0; j < 1000; ++j) history.keep(fullJob(j * 100, 100));
    return folder;
}

void BM_OpenJobsWindow(benchmark::State& state) {
    SilentDialogs dialogs;
    const auto history = std::make_shared<jobhistory::History>(fullHistory());
    for (auto _ : state) {
        JobsWindow window(dialogs, history);
        benchmark::DoNotOptimize(window.jobs().size());
    }
}

// What the window reads: every job's summary and search text.
void BM_ListJobs(benchmark::State& state) {
    jobhistory::History history(fullHistory());
    for (auto _ : state) benchmark::DoNotOptimize(history.list().size());
}

void BM_SearchEveryJob(benchmark::State& state) {
    SilentDialogs dialogs;
    JobsWindow window(dialogs, std::make_shared<jobhistory::History>(fullHistory()));
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("txtBuscar"));
    int n = 0;
    for (auto _ : state) {
        // A call number held by one label of one job, a new one each time.
        box->setText(QStringLiteral("qa76.73 .c%1 ").arg((n++ * 7919) % 100000));
    }
}

void BM_KeepOneMore(benchmark::State& state) {
    jobhistory::History history(fullHistory());
    const jobhistory::KeptJob job = fullJob(0, 100);
    for (auto _ : state) {
        // As "Generar" does: the newest job read, to tell whether it holds these labels.
        benchmark::DoNotOptimize(history.newest());
        const std::optional<QString> file = history.keep(job);
        state.PauseTiming();
        history.remove(*file);
        state.ResumeTiming();
    }
}

BENCHMARK(BM_ListJobs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenJobsWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchEveryJob)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeepOneMore)->Unit(benchmark::kMillisecond);

}  // namespace
