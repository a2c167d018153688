// The script generator on a large profile: a revolution and an extrusion of
// a 10,000-element profile at arc resolution 128 (about 1.3 million points),
// against a bare loop that formats the same Doubles with the same
// number-to-text conversion the script uses (at most 15 significant digits)
// into one string. A last run measures the peak
// memory of one revolution above the program's baseline.
#include "memoria.h"
#include "programma.h"

#include "create3d/fin_3d.h"
#include "gdl/esportazione.h"
#include "model/forme.h"
#include "platform/conversions.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

namespace {

namespace ex = esportazione;

constexpr int kElements = 10000;
constexpr int kResolution = 128;

// A profile that cycles through a half circle, a line, a quarter circle, a
// quarter ellipse, a double curve and a second-variant line: 770 points
// every six elements at resolution 128, 128 on average.
void makeProfile()
{
    static constexpr int kKinds[] = {toro, listello, ovolo, cavetto_ellittico, gola_diritta, listello_inverso};
    ex::sago_q = kElements;
    ex::sagoma.redim(kElements);
    double x = 0.0, y = 0.0;
    for (int i = 0; i < kElements; ++i) {
        const double dx = 10.0 + (i % 7) * 3.25;
        const double dy = (i % 2 == 0 ? 1.0 : -1.0) * (5.0 + (i % 5) * 4.5);
        ex::sagoma.row(i) = ElementRow{static_cast<double>(kKinds[i % 6]), x, y, dx, dy, 0.0, 0.0};
        x += dx;
        y += dy;
    }
    ex::perc_q = 4;
    ex::percorso.redim(4);
    ex::percorso.row(0) = ElementRow{listello, 0, 0, 1000, 0, 0, 0};
    ex::percorso.row(1) = ElementRow{ovolo, 1000, 0, 500, 500, 0, 100};
    ex::percorso.row(2) = ElementRow{listello, 1500, 500, 0, 1000, 100, 0};
    ex::percorso.row(3) = ElementRow{toro, 1500, 1500, -500, 0, 100, 0};
}

// The settings and the window's controls as the window's refill leaves them.
void setUp()
{
    makeProfile();
    ex::Dati3d& s = ex::daticreatred;
    s[0] = s[1] = kResolution;
    s[2] = s[4] = 1;
    s[3] = s[5] = 100;
    s[6] = 2;
    s[7] = s[8] = s[9] = 1;
    s[10] = 360;
    fin_3d& w = fin_3d::instance();
    w.StaticTesto(0)->setText(platform::Str(s[0]));
    w.StaticTesto(1)->setText(platform::Str(s[1]));
    for (int i = 0; i < 4; ++i) {
        w.efdati3d(i)->setTextFromProgram(platform::Str(s[i + 2]));
        w.CheckB(i)->setValue(s[i + 6] == 2.0);
    }
    w.efdatialfa3d(10)->setTextFromProgram(platform::Str(s[10]));
}

void generate(int solid)
{
    ex::profopath = solid;
    ex::esportastringa.clear();
    ex::Generatore g(ex::esportastringa, ex::daticreatred, solid);
    if (solid == 0)
        ex::testocrea_tube_gdl(g, ex::catena_sagoma(), ex::catena_percorso());
    else
        ex::testocrea_revolve_gdl(g, ex::catena_sagoma());
}

// The coordinates of a revolution's text: the first two numbers of every
// point line ("x, y, status"), which follow the three rotations and the head.
std::vector<double> coordinatesOf(const std::string& text)
{
    std::vector<double> values;
    std::size_t pos = 0;
    for (int line = 0; pos < text.size(); ++line) {
        std::size_t next = text.find('\r', pos);
        if (next == std::string::npos)
            next = text.size();
        const char* p = text.data() + pos;
        const char* end = text.data() + next;
        double x = 0.0, y = 0.0;
        if (line >= 4) {
            auto rx = std::from_chars(p, end, x);
            if (rx.ec == std::errc() && end - rx.ptr > 2) {
                auto ry = std::from_chars(rx.ptr + 2, end, y);
                if (ry.ec == std::errc()) {
                    values.push_back(x);
                    values.push_back(y);
                }
            }
        }
        pos = next + 1;
    }
    return values;
}

void generator(benchmark::State& state, int solid)
{
    std::size_t points = 0;
    for (auto _ : state) {
        generate(solid);
        benchmark::DoNotOptimize(ex::esportastringa.data());
    }
    for (char c : ex::esportastringa)
        points += c == '\r';
    state.counters["points"] = static_cast<double>(points);
    state.counters["text_MB"] = static_cast<double>(ex::esportastringa.size()) / 1e6;
}

void BM_Revolve(benchmark::State& state) { generator(state, 1); }
void BM_Tube(benchmark::State& state) { generator(state, 0); }

// The same Doubles as the revolution writes, formatted one after another by
// the script's own conversion, so that the ratio compares like work.
void BM_FormatDoubles(benchmark::State& state)
{
    generate(1);
    const std::vector<double> values = coordinatesOf(ex::esportastringa);
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (double v : values) {
            platform::appendStr15Digits(out, v);
            out += ',';
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["doubles"] = static_cast<double>(values.size());
    state.counters["text_MB"] = static_cast<double>(out.size()) / 1e6;
}

// Peak resident memory of one run above what the process held before it,
// with the text of the previous run given back first.
void peakMemory(benchmark::State& state, int solid)
{
    for (auto _ : state) {
        std::string().swap(ex::esportastringa);
        const long baseline = bench::inizioPicco();
        generate(solid);
        const long above = bench::piccoSopra(baseline);
        const double textKb = static_cast<double>(ex::esportastringa.size()) / 1024.0;
        state.counters["text_MB"] = textKb * 1024.0 / 1e6;
        state.counters["peak_above_baseline_MB"] = static_cast<double>(above) * 1024.0 / 1e6;
        state.counters["peak_per_text"] = static_cast<double>(above) / textKb;
    }
}

void BM_RevolvePeakMemory(benchmark::State& state) { peakMemory(state, 1); }
void BM_TubePeakMemory(benchmark::State& state) { peakMemory(state, 0); }

BENCHMARK(BM_Revolve)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Tube)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FormatDoubles)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RevolvePeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TubePeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv) { return bench::esegui(argc, argv, setUp); }
