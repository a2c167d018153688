#include "gdl_fixture.h"

#include "support/model_state.h"

#include <cctype>
#include <charconv>

namespace gdltest {

bool isPlainDecimal(const std::string& s)
{
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-')
        ++i;
    const std::size_t digitsStart = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        ++i;
    if (i == digitsStart)
        return false;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i;
        if (i == fraction)
            return false;
    }
    return i == s.size();
}

double number(const std::string& s)
{
    double v = 0.0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

std::vector<std::vector<double>> pointLines(const std::string& text)
{
    std::vector<std::vector<double>> out;
    const std::vector<std::string> lines = split(text, '\r');
    // The text starts with the "," of the first line; every line but the
    // last ends with the "," of the next.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (i + 1 < lines.size() && !line.empty() && line.back() == ',')
            line.pop_back();
        std::size_t start = line.find_first_not_of(' ');
        std::vector<double> values;
        for (const std::string& part : split(line.substr(start == std::string::npos ? 0 : start), ','))
            values.push_back(number(part.substr(part.find_first_not_of(' '))));
        out.push_back(values);
    }
    return out;
}

namespace {

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

// "ROTX 12.5" and the like: a fixed beginning, then one plain decimal.
bool rotationLine(const std::string& line, const std::string& prefix)
{
    return line.rfind(prefix, 0) == 0 && isPlainDecimal(line.substr(prefix.size()));
}

// The numbers of a point line, which holds `count` plain decimals separated
// by ", " after `indent` blanks.
bool numbersOf(const std::string& line, std::size_t indent, std::size_t count, std::vector<double>& values)
{
    if (line.compare(0, indent, std::string(indent, ' ')) != 0)
        return false;
    const std::vector<std::string> parts = split(line.substr(indent), ',');
    if (parts.size() != count)
        return false;
    values.clear();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string p = parts[i];
        if (i > 0) {
            if (p.empty() || p[0] != ' ')
                return false;
            p.erase(0, 1);
        }
        if (!isPlainDecimal(p))
            return false;
        values.push_back(number(p));
    }
    return true;
}

// "   COS(<int>+<dec>),  SIN(<int>+<dec>),  0, 0" with the same angle twice.
bool startDirectionLine(const std::string& line)
{
    const std::string cosPart = "   COS(";
    if (line.rfind(cosPart, 0) != 0)
        return false;
    const std::size_t close = line.find("),  SIN(");
    if (close == std::string::npos)
        return false;
    const std::string angle = line.substr(cosPart.size(), close - cosPart.size());
    const std::size_t plus = angle.find('+');
    if (plus == std::string::npos || !isPlainDecimal(angle.substr(0, plus)) || !isPlainDecimal(angle.substr(plus + 1)))
        return false;
    return line == cosPart + angle + "),  SIN(" + angle + "),  0, 0";
}

// "   <x>+COS(<int>+<dec>), <y>+SIN(<int>+<dec>), <z>, 0".
bool endDirectionLine(const std::string& line)
{
    if (line.rfind("   ", 0) != 0)
        return false;
    const std::string rest = line.substr(3);
    const std::size_t cosAt = rest.find("+COS(");
    const std::size_t sinAt = rest.find("+SIN(");
    if (cosAt == std::string::npos || sinAt == std::string::npos || sinAt < cosAt)
        return false;
    if (!isPlainDecimal(rest.substr(0, cosAt)))
        return false;
    const std::size_t cosClose = rest.find("), ", cosAt);
    const std::string angle = rest.substr(cosAt + 5, cosClose - cosAt - 5);
    const std::size_t plus = angle.find('+');
    if (plus == std::string::npos || !isPlainDecimal(angle.substr(0, plus)) || !isPlainDecimal(angle.substr(plus + 1)))
        return false;
    if (!isPlainDecimal(rest.substr(cosClose + 3, sinAt - cosClose - 3)))
        return false;
    const std::string sinAngle = "+SIN(" + angle + "), ";
    if (rest.compare(sinAt, sinAngle.size(), sinAngle) != 0)
        return false;
    const std::string tail = rest.substr(sinAt + sinAngle.size());
    if (tail.size() < 4 || tail.substr(tail.size() - 3) != ", 0")
        return false;
    return isPlainDecimal(tail.substr(0, tail.size() - 3));
}

} // namespace

AssertionResult readStatement(const std::string& text, Statement& out)
{
    out = Statement{};
    if (text.find('\n') != std::string::npos)
        return AssertionFailure() << "the text holds a line feed";
    const std::string tail = "\rDEL TOP\r";
    if (text.size() < tail.size() || text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
        return AssertionFailure() << "the text does not end with DEL TOP and a carriage return";
    std::vector<std::string> lines = split(text, '\r');
    lines.pop_back(); // the empty piece after the last carriage return
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].size() > 256)
            return AssertionFailure() << "line " << i << " has " << lines[i].size() << " characters";
    if (lines.size() < 6)
        return AssertionFailure() << "only " << lines.size() << " lines";
    if (!rotationLine(lines[0], "ROTX "))
        return AssertionFailure() << "bad x rotation: " << lines[0];
    if (!rotationLine(lines[2], "ROTZ "))
        return AssertionFailure() << "bad z rotation: " << lines[2];

    // The head: "<SOLID> a, b, c," with the "," of the first point line.
    const std::string& head = lines[3];
    const std::size_t blank = head.find(' ');
    out.solid = head.substr(0, blank);
    if (out.solid != "TUBE" && out.solid != "REVOLVE")
        return AssertionFailure() << "bad head: " << head;
    if (!rotationLine(lines[1], out.solid == "TUBE" ? "ROTY " : "ROTY -90+"))
        return AssertionFailure() << "bad y rotation: " << lines[1];
    if (head.back() != ',')
        return AssertionFailure() << "the head is not followed by a point line";
    const std::vector<std::string> counts = split(head.substr(blank + 1, head.size() - blank - 2), ',');
    if (counts.size() != 3)
        return AssertionFailure() << "bad head: " << head;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const std::string c = i == 0 ? counts[i] : counts[i].substr(1);
        if ((i > 0 && counts[i][0] != ' ') || !isPlainDecimal(c) || c.find('.') != std::string::npos)
            return AssertionFailure() << "bad head: " << head;
        out.head.push_back(std::stol(c));
    }

    // The point lines, each but the last ended by the "," of the next.
    std::vector<std::string> points(lines.begin() + 4, lines.end() - 1);
    if (lines.back() != "DEL TOP")
        return AssertionFailure() << "no DEL TOP line";
    for (std::size_t i = 0; i < points.size(); ++i) {
        const bool last = i + 1 == points.size();
        if (!last) {
            if (points[i].empty() || points[i].back() != ',')
                return AssertionFailure() << "point line " << i << " does not end with a comma";
            points[i].pop_back();
        }
    }
    const long np = out.head[0];
    if (np < 1 || static_cast<std::size_t>(np) > points.size())
        return AssertionFailure() << "the head counts " << np << " profile points, " << points.size()
                                  << " point lines follow";
    std::vector<double> values;
    for (long i = 0; i < np; ++i) {
        const std::string& line = points[static_cast<std::size_t>(i)];
        // The status is the digit 0 or 1.
        if (!numbersOf(line, 0, 3, values) || !(line.ends_with(", 0") || line.ends_with(", 1")))
            return AssertionFailure() << "bad profile point line " << i << ": " << line;
        out.profile.push_back(values);
    }
    if (out.solid == "REVOLVE") {
        if (static_cast<std::size_t>(np) != points.size())
            return AssertionFailure() << "the head counts " << np << " points, " << points.size()
                                      << " point lines follow";
        return AssertionSuccess();
    }

    const long nq = out.head[1];
    const std::vector<std::string> path(points.begin() + np, points.end());
    if (nq < 2 || static_cast<std::size_t>(nq) != path.size())
        return AssertionFailure() << "the head counts " << nq << " path points, " << path.size()
                                  << " path lines follow";
    if (!startDirectionLine(path.front()))
        return AssertionFailure() << "bad start direction: " << path.front();
    out.startDirection = path.front();
    // With elements the path closes with a direction point; without, it ends
    // at its origin.
    std::size_t end = path.size();
    if (path.size() > 2) {
        if (!endDirectionLine(path.back()))
            return AssertionFailure() << "bad end direction: " << path.back();
        out.endDirection = path.back();
        --end;
    }
    for (std::size_t i = 1; i < end; ++i) {
        if (!numbersOf(path[i], 3, 4, values) || values[3] != 0.0)
            return AssertionFailure() << "bad path point line " << i << ": " << path[i];
        values.pop_back();
        out.path.push_back(values);
    }
    return AssertionSuccess();
}

void GdlTest::SetUp()
{
    testsupport::resetModelState();
    generazione().reset();
    resolution() = 8;
    window() = testsupport::Finestra3dFinta{};
    esportazione::finestra::registra(&window());
}

void GdlTest::TearDown() { esportazione::finestra::registra(nullptr); }

testsupport::Finestra3dFinta& GdlTest::window()
{
    static testsupport::Finestra3dFinta finestra;
    return finestra;
}

std::optional<esportazione::Generatore>& GdlTest::generazione()
{
    static std::optional<esportazione::Generatore> g;
    return g;
}

esportazione::Generatore& GdlTest::gen()
{
    if (!generazione())
        startPoints(0);
    return *generazione();
}

int& GdlTest::resolution()
{
    static int r = 8;
    return r;
}

void GdlTest::startPoints(int format, int solid)
{
    namespace ex = esportazione;
    ex::esportastringa.clear();
    ex::profopath = solid;
    generazione().emplace(ex::esportastringa, ex::daticreatred, solid);
    generazione()->qualetestocontrol = format;
    generazione()->masaltaprimo = false;
    generazione()->risoluzione = resolution();
}

const std::string& GdlTest::write(int solid)
{
    namespace ex = esportazione;
    window().riempi();
    ex::profopath = solid;
    ex::esportastringa.clear();
    ex::Generatore& g = generazione().emplace(ex::esportastringa, ex::daticreatred, solid);
    if (solid == 0)
        ex::testocrea_tube_gdl(g, ex::catena_sagoma(), ex::catena_percorso());
    else
        ex::testocrea_revolve_gdl(g, ex::catena_sagoma());
    return ex::esportastringa;
}

} // namespace gdltest
