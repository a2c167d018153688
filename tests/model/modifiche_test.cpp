// The chain edits: add with its refusals, delete and modify, the chain kept
// connected, the modified mark, the label and the backdrop.
#include "model_fixture.h"

#include "platform/system.h"

namespace {

const QRgb kBlack = platform::hsv(0.0, 0.0, 0.0).rgb();
const QRgb kTealGrey = platform::hsv(0.5, 0.3, 0.65).rgb();

std::vector<ElementRow> chainRows()
{
    std::vector<ElementRow> rows;
    for (int i = 0; i < Forme::poli_q; ++i)
        rows.push_back(Forme::polilinea.row(i));
    return rows;
}

ElementRow moved(ElementRow r, double ddx, double ddy, double ddz)
{
    r[kX0] += ddx;
    r[kY0] += ddy;
    r[kZ0] += ddz;
    return r;
}

// Every row starts where the one before it ends.
void expectConnected()
{
    for (int i = 1; i < Forme::poli_q; ++i) {
        const ElementRow& a = Forme::polilinea.row(i - 1);
        const ElementRow& b = Forme::polilinea.row(i);
        EXPECT_DOUBLE_EQ(b[kX0], a[kX0] + a[kDX]) << i;
        EXPECT_DOUBLE_EQ(b[kY0], a[kY0] + a[kDY]) << i;
        EXPECT_DOUBLE_EQ(b[kZ0], a[kZ0] + a[kDZ]) << i;
    }
}

} // namespace

// Counts the menu-enabling requests and what the chain held at each.
class ChainEdit : public ModelTest {
protected:
    void SetUp() override
    {
        ModelTest::SetUp();
        platform::setMenuEnableHandler([this] {
            ++menuRequests;
            countAtRequest = Forme::poli_q;
            rowsAtRequest = chainRows();
        });
        schermo().etichetta = QStringLiteral("untouched");
    }
    void TearDown() override { platform::setMenuEnableHandler(nullptr); }

    // The document was marked modified once, before any row changed.
    void expectMarkedBeforeEditing(const std::vector<ElementRow>& before)
    {
        EXPECT_TRUE(Globali::filemodificato);
        EXPECT_EQ(menuRequests, 1);
        EXPECT_EQ(countAtRequest, static_cast<int>(before.size()));
        EXPECT_EQ(rowsAtRequest, before);
        EXPECT_EQ(platform::beepCount(), 0);
    }

    // A refused edit beeps and touches nothing.
    void expectRefused(const std::vector<ElementRow>& rows, int q, int d, const platform::PicturePtr& picture)
    {
        EXPECT_EQ(platform::beepCount(), 1);
        EXPECT_EQ(chainRows(), rows);
        EXPECT_EQ(Forme::poli_q, q);
        EXPECT_EQ(Forme::poli_d, d);
        EXPECT_FALSE(Globali::filemodificato);
        EXPECT_EQ(menuRequests, 0);
        EXPECT_EQ(Geometria::griglia, picture);
        EXPECT_EQ(schermo().etichetta, "untouched");
    }

    static QString label() { return schermo().etichetta; }

    int menuRequests = 0;
    int countAtRequest = -1;
    std::vector<ElementRow> rowsAtRequest;
};

// --- Add: the three refusals, evaluated on the tool and kind as they stand.
struct AddCase {
    const char* name;
    int tool, kind;
    double dx, dy, dz;
    bool refused;
};

void PrintTo(const AddCase& c, std::ostream* os) { *os << c.name; }

class AddRefusal : public ChainEdit, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddRefusal, RefusedWithABeepOrInserted)
{
    const AddCase& c = GetParam();
    setChain({{0, 20, 0, 0}, {0, 0, 20, 0}});
    Forme::poli_d = 1;
    Forme::qualetool = c.tool;
    setCurrent(c.kind, 20, 0, c.dx, c.dy, 0, c.dz);
    const std::vector<ElementRow> before = chainRows();
    const platform::PicturePtr picture = Geometria::griglia;

    Geometria::elemento_aggiungi();
    if (c.refused) {
        expectRefused(before, 2, 1, picture);
        EXPECT_EQ(Forme::xprec, 20.0);
    } else {
        expectMarkedBeforeEditing(before);
        EXPECT_EQ(Forme::poli_q, 3);
        EXPECT_EQ(Forme::polilinea(1, kKind), c.kind);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, AddRefusal,
                         ::testing::Values(AddCase{"line_vertical_step", 0, 0, 0, 0, 5, false},
                                           AddCase{"second_line_vertical_step", 0, 6, 0, 0, -5, false},
                                           AddCase{"torus_vertical_step", 1, 1, 0, 0, 5, true},
                                           AddCase{"curve_vertical_step", 3, 3, 0, 0, 5, true},
                                           AddCase{"line_no_extent", 0, 0, 0, 0, 0, true},
                                           AddCase{"curve_no_extent", 2, 2, 0, 0, 0, true},
                                           AddCase{"ellipse_flat", 2, 8, 10, 0, 0, true},
                                           AddCase{"ellipse_upright", 3, 9, 0, 10, 0, true},
                                           AddCase{"double_ellipse_flat", 4, 10, 10, 0, 3, true},
                                           AddCase{"double_ellipse_upright", 5, 11, 0, -10, 0, true},
                                           AddCase{"ellipse_both_axes", 4, 10, 10, 10, 0, false},
                                           AddCase{"circle_flat", 2, 2, 10, 0, 0, false},
                                           AddCase{"torus_second_upright", 1, 7, 0, 10, 0, false},
                                           AddCase{"double_circle_upright", 5, 5, 0, 10, 0, false},
                                           // The kind of a row shown in edit mode, with tool 1 or 0 chosen.
                                           AddCase{"tool_1_elliptical_kind", 1, 8, 0, 10, 0, false},
                                           AddCase{"tool_0_elliptical_kind", 0, 9, 10, 0, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Add: insertion at every kind of index.
struct Insertion {
    const char* name;
    int d;
};

void PrintTo(const Insertion& c, std::ostream* os) { *os << c.name; }

class AddInsertion : public ChainEdit, public ::testing::WithParamInterface<Insertion> {};

TEST_P(AddInsertion, FollowingElementsMoveAndTheInsertionPointAdvances)
{
    const int d = GetParam().d;
    // Starts (0, 0, 0), (30, 0, 0), (30, 30, 2); end (60, 30, 2).
    setChain({{0, 30, 0, 0}, {3, 0, 30, 2}, {0, 30, 0, 0}});
    const std::vector<ElementRow> before = chainRows();
    Forme::poli_d = d;
    Forme::qualetool = 2;
    const double x0 = d == 0 ? 0 : before[d - 1][kX0] + before[d - 1][kDX];
    const double y0 = d == 0 ? 0 : before[d - 1][kY0] + before[d - 1][kDY];
    const double z0 = d == 0 ? 0 : before[d - 1][kZ0] + before[d - 1][kDZ];
    setCurrent(2, x0, y0, 20, 10, z0, 5);
    // The pointer a little off the end, as typed deltas leave it.
    Forme::xgr = x0 + 20.4;
    Forme::ygr = y0 + 9.7;
    const platform::PicturePtr picture = Geometria::griglia;

    Geometria::elemento_aggiungi();
    expectMarkedBeforeEditing(before);
    ASSERT_EQ(Forme::poli_q, 4);
    EXPECT_EQ(Forme::poli_d, d + 1);
    for (int i = 0; i < d; ++i)
        EXPECT_EQ(Forme::polilinea.row(i), before[i]) << i;
    EXPECT_EQ(Forme::polilinea.row(d), (ElementRow{2, x0, y0, 20, 10, z0, 5}));
    for (int i = d; i < 3; ++i)
        EXPECT_EQ(Forme::polilinea.row(i + 1), moved(before[i], 20, 10, 5)) << i;
    expectConnected();

    EXPECT_EQ(label(), QString::number(d + 1) + " 1/4 Curve");
    // The next element starts at the pointer, at the new element's end height.
    EXPECT_EQ(Forme::xprec, x0 + 20.4);
    EXPECT_EQ(Forme::yprec, y0 + 9.7);
    EXPECT_EQ(Forme::zprec, z0 + 5);
    EXPECT_EQ(Forme::forma, 2);
    EXPECT_EQ(schermo().sfondo, Geometria::griglia);

    // Before the end the backdrop is rebuilt, its deltas left in the current
    // element and the moved elements set apart; at the end the new element
    // is only drawn into the picture there was.
    const bool appended = d == 3;
    EXPECT_EQ(Geometria::griglia == picture, appended);
    if (appended) {
        EXPECT_EQ(Forme::dx, 20.0);
        EXPECT_EQ(Forme::dy, 10.0);
        EXPECT_EQ(Forme::dz, 5.0);
    } else {
        EXPECT_EQ(Forme::dx, 30.0);
        EXPECT_EQ(Forme::dy, 0.0);
        EXPECT_EQ(Forme::dz, 0.0);
        // The last element, a line 30 mm long raised 7 mm, after the insertion point.
        const ElementRow& last = Forme::polilinea.row(3);
        const int x = 400 + static_cast<int>(last[kX0] + 15 + last[kZ0]);
        const int y = 300 - static_cast<int>(last[kY0] + last[kZ0]);
        EXPECT_EQ(Geometria::griglia->pixel(x, y), kTealGrey);
    }
    EXPECT_FALSE(Geometria::gri_aggiungipict);
}

INSTANTIATE_TEST_SUITE_P(Indices, AddInsertion,
                         ::testing::Values(Insertion{"at_start", 0}, Insertion{"in_middle", 2}, Insertion{"at_end", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChainEdit, FirstElementGoesIntoTheBackdropInBlack)
{
    Forme::sceltaforma(0); // the second click on tool 0: kind 6, still a line
    setCurrent(6, 0, 0, 50, 0);
    Forme::xgr = 50;
    Geometria::elemento_aggiungi();
    EXPECT_EQ(Forme::poli_q, 1);
    EXPECT_EQ(Forme::poli_d, 1);
    EXPECT_EQ(label(), "1 Line");
    EXPECT_EQ(Geometria::griglia->pixel(425, 300), kBlack);
    EXPECT_EQ(live().size(), 1u);
    EXPECT_EQ(live()[0].color.rgb(), kBlack);
    EXPECT_EQ(schermo().sfondo, Geometria::griglia);
    EXPECT_EQ(schermo().qAlleBottoni, 1);
    EXPECT_EQ(schermo().dAlleBottoni, 1);
}

// --- Delete and modify: refused outside edit mode or without a selection.
struct Selection {
    const char* name;
    bool edit;
    int q, d;
};

void PrintTo(const Selection& c, std::ostream* os) { *os << c.name; }

class NoSelection : public ChainEdit, public ::testing::WithParamInterface<std::tuple<bool, Selection>> {};

TEST_P(NoSelection, OnlyBeeps)
{
    const bool deleting = std::get<0>(GetParam());
    const Selection& s = std::get<1>(GetParam());
    setChain({{0, 10, 0, 0}, {2, 10, 10, 0}, {0, 0, 10, 3}});
    Forme::poli_q = s.q;
    Forme::poli_d = s.d;
    Forme::modifica = s.edit;
    setCurrent(5, 1, 2, 3, 4, 5, 6);
    const std::vector<ElementRow> rows = chainRows();
    const platform::PicturePtr picture = Geometria::griglia;
    if (deleting)
        Geometria::elemento_elimina();
    else
        Geometria::elemento_modifica();
    expectRefused(rows, s.q, s.d, picture);
    EXPECT_EQ(Forme::polilinea.ubound(), 3);
    EXPECT_EQ(Forme::xprec, 1.0);
    EXPECT_EQ(Forme::dz, 6.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoSelection,
    ::testing::Combine(::testing::Bool(),
                       ::testing::Values(Selection{"add_mode", false, 3, 1}, Selection{"past_the_end", true, 3, 3},
                                         Selection{"far_past_the_end", true, 3, 7}, Selection{"negative", true, 3, -1},
                                         Selection{"empty_chain", true, 0, 0})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) ? "delete_" : "modify_") + std::get<1>(info.param).name;
    });

// --- Delete.
struct Deletion {
    const char* name;
    int q, d, selected;
};

void PrintTo(const Deletion& c, std::ostream* os) { *os << c.name; }

class Delete : public ChainEdit, public ::testing::WithParamInterface<Deletion> {};

TEST_P(Delete, FollowingElementsMoveBackAndTheSelectionStaysValid)
{
    const Deletion& c = GetParam();
    // The first q of four elements with different deltas in x, y and z.
    std::vector<Step> steps = {{0, 30, 0, 1}, {4, 10, 20, 2}, {8, 20, 10, 0}, {1, 0, 30, 4}};
    steps.resize(static_cast<size_t>(c.q));
    setChain(steps);
    Forme::poli_d = c.d;
    Forme::modifica = true;
    const std::vector<ElementRow> before = chainRows();
    const platform::PicturePtr picture = Geometria::griglia;

    Geometria::elemento_elimina();
    expectMarkedBeforeEditing(before);
    ASSERT_EQ(Forme::poli_q, c.q - 1);
    EXPECT_EQ(Forme::poli_d, c.selected);
    EXPECT_EQ(Forme::polilinea.ubound(), c.q - 1); // one spare row
    for (int i = 0; i < c.d; ++i)
        EXPECT_EQ(Forme::polilinea.row(i), before[i]) << i;
    const ElementRow& removed = before[c.d];
    for (int i = c.d; i < c.q - 1; ++i)
        EXPECT_EQ(Forme::polilinea.row(i), moved(before[i + 1], -removed[kDX], -removed[kDY], -removed[kDZ])) << i;
    if (c.d < c.q - 1) {
        EXPECT_EQ(Forme::polilinea(c.d, kX0), removed[kX0]);
    }
    expectConnected();

    // Edit mode lasts while elements remain; with the last one gone the
    // delete goes back to add mode and has the palette show it.
    EXPECT_EQ(Forme::modifica, c.q > 1);
    if (c.q > 1) {
        EXPECT_FALSE(schermo().modoMostrato.has_value());
    } else {
        EXPECT_EQ(schermo().modoMostrato, std::optional<bool>(false));
    }

    // Rebuilt and shown, without a beep here, and the navigation buttons
    // asked to follow.
    EXPECT_NE(Geometria::griglia, picture);
    EXPECT_EQ(schermo().sfondo, Geometria::griglia);
    EXPECT_EQ(label(), QString::number(c.selected) + " Line");
    EXPECT_EQ(schermo().qAlleBottoni, c.q - 1);
    EXPECT_EQ(schermo().dAlleBottoni, c.selected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Delete,
                         ::testing::Values(Deletion{"first", 4, 0, 0}, Deletion{"middle", 4, 1, 1},
                                           Deletion{"last_of_several", 4, 3, 2}, Deletion{"last_of_two", 2, 1, 0},
                                           Deletion{"only", 1, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Modify.
struct Modification {
    const char* name;
    int d, kind;
    double x0, y0, z0; // the current element's start, relative to the stored one
    double dx, dy, dz;
};

void PrintTo(const Modification& c, std::ostream* os) { *os << c.name; }

class Modify : public ChainEdit, public ::testing::WithParamInterface<Modification> {};

TEST_P(Modify, FollowingElementsMoveByTheChangeOfDelta)
{
    const Modification& c = GetParam();
    setChain({{0, 30, 0, 1}, {4, 10, 20, 2}, {8, 20, 10, 0}, {1, 0, 30, 4}});
    Forme::poli_d = c.d;
    Forme::modifica = true;
    const std::vector<ElementRow> before = chainRows();
    const ElementRow& old = before[c.d];
    setCurrent(c.kind, old[kX0] + c.x0, old[kY0] + c.y0, c.dx, c.dy, old[kZ0] + c.z0, c.dz);
    const platform::PicturePtr picture = Geometria::griglia;

    Geometria::elemento_modifica();
    expectMarkedBeforeEditing(before);
    EXPECT_EQ(Forme::poli_q, 4);
    EXPECT_EQ(Forme::poli_d, c.d);
    EXPECT_EQ(Forme::polilinea.row(c.d),
              (ElementRow{double(c.kind), old[kX0] + c.x0, old[kY0] + c.y0, c.dx, c.dy, old[kZ0] + c.z0, c.dz}));
    for (int i = 0; i < c.d; ++i)
        EXPECT_EQ(Forme::polilinea.row(i), before[i]) << i;
    for (int i = c.d + 1; i < 4; ++i)
        EXPECT_EQ(Forme::polilinea.row(i), moved(before[i], c.dx - old[kDX], c.dy - old[kDY], c.dz - old[kDZ])) << i;
    EXPECT_NE(Geometria::griglia, picture);
    EXPECT_EQ(schermo().sfondo, Geometria::griglia);
    EXPECT_EQ(label(), QString::number(c.d) + " Line");
}

INSTANTIATE_TEST_SUITE_P(Cases, Modify,
                         ::testing::Values(Modification{"longer_in_x", 1, 4, 0, 0, 0, 15, 20, 2},
                                           Modification{"kind_only", 0, 2, 0, 0, 0, 30, 0, 1},
                                           Modification{"every_delta", 1, 10, 0, 0, 0, -5, 7, -3},
                                           Modification{"last_element", 3, 7, 0, 0, 0, 12, -30, 0},
                                           // Not refused, unlike an add: no extent, or a flat ellipse.
                                           Modification{"to_no_extent", 2, 8, 0, 0, 0, 0, 0, 0},
                                           // The start comes from the current element, compared with nothing.
                                           Modification{"start_from_current", 2, 8, 1.5, -2, 3, 20, 10, 0}),
                         [](const auto& info) { return std::string(info.param.name); });
