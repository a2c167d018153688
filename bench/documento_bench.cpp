// Documents of 100,000 and 1,000,000 elements written and read as File >
// Save and File > Open do, without the drawing that follows an open. Each
// run also measures its peak resident memory above the baseline: for a read,
// the program holding an empty document before it.
#include "memoria.h"
#include "programma.h"

#include "app/app.h"
#include "gdl/esportazione.h"
#include "model/documento.h"
#include "model/forme.h"
#include "model/geometria.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace {

QString percorso(long elements)
{
    static QTemporaryDir cartella;
    return cartella.filePath(QStringLiteral("doc%1.mdn").arg(elements));
}

// A drawing as a user makes it on the 10 mm grid: rows of lines and curves
// that go right and come back, some rising in height, so that the values
// stay as short as they are in a real document.
void disegna(long n)
{
    Forme::risoluzione = 8;
    Geometria::grx = Geometria::gry = 10;
    Forme::polilinea.redim(static_cast<int>(n));
    double x = 0, y = 0, z = 0;
    for (long i = 0; i < n; ++i) {
        const double dx = ((i / 40) % 2 == 0 ? 1 : -1) * (10 + (i % 3) * 10);
        const double dy = (i % 2 ? 10 : -10);
        const double dz = i % 9 == 0 ? (z > 0 ? -10 : 10) : 0;
        Forme::polilinea.row(static_cast<int>(i)) = {static_cast<double>(i % 12), x, y, dx, dy, z, dz};
        x += dx;
        y += dy;
        z += dz;
    }
    Forme::poli_q = static_cast<int>(n);
    Forme::poli_d = Forme::poli_q;
}

// An empty document, its memory given back.
void svuota()
{
    for (ElementTable* t : {&Forme::polilinea, &esportazione::sagoma, &esportazione::percorso}) {
        t->redim(0);
        t->rows().shrink_to_fit();
    }
    Forme::poli_q = Forme::poli_d = esportazione::sago_q = esportazione::perc_q = 0;
}

bool leggi(const QString& path)
{
    std::optional<documento::Document> document = documento::readDocument(path);
    if (!document)
        return false;
    documento::applyDocument(std::move(*document));
    return true;
}

void contatori(benchmark::State& state, const QString& path, long piccoKb)
{
    const double fileMB = static_cast<double>(QFileInfo(path).size()) / 1e6;
    state.counters["file_MB"] = fileMB;
    state.counters["peak_above_baseline_MB"] = static_cast<double>(piccoKb) * 1024.0 / 1e6;
    state.counters["peak_per_file"] = static_cast<double>(piccoKb) * 1024.0 / 1e6 / fileMB;
}

void BM_WriteDocument(benchmark::State& state)
{
    const long n = state.range(0);
    const QString path = percorso(n);
    svuota();
    disegna(n);
    long picco = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const long baseline = bench::inizioPicco();
        state.ResumeTiming();
        if (!App::filesalva(path))
            state.SkipWithError("the document was not written");
        picco = std::max(picco, bench::piccoSopra(baseline));
    }
    contatori(state, path, picco);
}

void BM_ReadDocument(benchmark::State& state)
{
    const long n = state.range(0);
    const QString path = percorso(n);
    svuota();
    disegna(n);
    if (!App::filesalva(path)) {
        state.SkipWithError("the document was not written");
        return;
    }
    long picco = 0;
    for (auto _ : state) {
        state.PauseTiming();
        svuota();
        const long baseline = bench::inizioPicco();
        state.ResumeTiming();
        if (!leggi(path) || Forme::poli_q != n)
            state.SkipWithError("the document was not read");
        picco = std::max(picco, bench::piccoSopra(baseline));
    }
    contatori(state, path, picco);
}

BENCHMARK(BM_WriteDocument)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDocument)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::esegui(argc, argv); }
