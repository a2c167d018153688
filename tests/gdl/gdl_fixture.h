#pragma once
// The generator's tests: the stored chains and settings as a reset leaves
// them, a stand-in "Create 3D" window filled from the settings the way the
// window's refill fills its controls, and readers that take the generated
// text apart again.
#include "gdl/esportazione.h"
#include "model/forme.h"
#include "platform/conversions.h"
#include "support/finestra3d_finta.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace gdltest {

// One row of a chain to build: kind and extent in millimetres.
struct Step {
    int kind;
    double dx, dy, dz = 0.0;
};

// Rows 0..n-1 of a chain, each starting where the one before ends.
inline int fillChain(ElementTable& table, const std::vector<Step>& steps, double x0 = 0.0, double y0 = 0.0,
                     double z0 = 0.0)
{
    const int n = static_cast<int>(steps.size());
    table.redim(n);
    double x = x0, y = y0, z = z0;
    int i = 0;
    for (const Step& s : steps) {
        table.row(i++) = ElementRow{static_cast<double>(s.kind), x, y, s.dx, s.dy, z, s.dz};
        x += s.dx;
        y += s.dy;
        z += s.dz;
    }
    return n;
}

inline std::vector<std::string> split(const std::string& text, char sep)
{
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == sep)
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

// A plain decimal: an optional minus, digits, and an optional point followed
// by digits. No exponent, no blank, no "nan" or "inf".
bool isPlainDecimal(const std::string& s);
double number(const std::string& s);

// The numbers of every point line appended to `text` by the point writer:
// ",", a carriage return, then the numbers separated by ", ".
std::vector<std::vector<double>> pointLines(const std::string& text);

// Reads a whole statement back and checks its form: carriage returns only,
// three rotation lines, a head whose counts equal the point lines that
// follow, plain decimals everywhere, no line over 256 characters, and the
// closing "DEL TOP" with its carriage return.
struct Statement {
    std::string solid;                        // "TUBE" or "REVOLVE"
    std::vector<long> head;                   // the three numbers after the solid's name
    std::vector<std::vector<double>> profile; // x, y, status
    std::vector<std::vector<double>> path;    // x, y, z (direction points excluded)
    std::string startDirection;               // the path's first line, as written
    std::string endDirection;                 // the path's closing line, as written
};
::testing::AssertionResult readStatement(const std::string& text, Statement& out);

class GdlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The window the generator reads.
    static testsupport::Finestra3dFinta& window();
    // The generation the last write or startPoints began, with its working
    // values as the writer or the point routines left them.
    static esportazione::Generatore& gen();
    // The arc resolution startPoints gives the point routines (8 at first).
    static int& resolution();

    static void setProfile(const std::vector<Step>& steps, double x0 = 0.0, double y0 = 0.0)
    {
        esportazione::sago_q = fillChain(esportazione::sagoma, steps, x0, y0);
    }
    static void setPath(const std::vector<Step>& steps, double x0 = 0.0, double y0 = 0.0, double z0 = 0.0)
    {
        esportazione::perc_q = fillChain(esportazione::percorso, steps, x0, y0, z0);
    }

    // Runs a writer on an empty text after filling the window: solid 0 the
    // extrusion, 1 the revolution. Returns the text.
    static const std::string& write(int solid);

    // The current element, in metres, for the point routines.
    static void setCurrent(double x0, double y0, double ddx, double ddy, double z0 = 0.0, double ddz = 0.0)
    {
        esportazione::Generatore& g = gen();
        g.xprec = x0;
        g.yprec = y0;
        g.dx = ddx;
        g.dy = ddy;
        g.zprec = z0;
        g.dz = ddz;
    }
    // Point routines write into an empty text in the given format (0 profile,
    // 1 path) for the given solid, at resolution().
    static void startPoints(int format, int solid = 0);

private:
    static std::optional<esportazione::Generatore>& generazione();
};

} // namespace gdltest
