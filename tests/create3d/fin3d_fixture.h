#pragma once
// Shared set-up of the "Create 3D" window tests: the program's state as a new
// document has it with the editor's windows standing, stored chains, and
// typing into a field as a user does.
#include "app/filetypes.h"
#include "app/globali.h"
#include "create3d/fin_3d.h"
#include "editor/fin_edita.h"
#include "editor/fin_forme.h"
#include "editor/fin_principale.h"
#include "gdl/esportazione.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/beep.h"
#include "support/dialog_script.h"
#include "support/program_state.h"
#include "support/test_support.h"

#include <QAbstractButton>
#include <QTest>
#include <gtest/gtest.h>

namespace fin3dtest {

inline void preparaProgramma()
{
    testsupport::resetProgramState();
    // The editor's windows stand as the program starts them.
    fin_principale::instance().show();
    fin_forme::instance().show();
    fin_edita::instance().show();
    platform::resetBeepCount();
}

// n straight lines of 100 mm along x, one after the other from the origin,
// each rising by dz.
inline void storeChain(ElementTable& table, int& count, int n, double dz = 0.0)
{
    count = n;
    table.redim(n);
    for (int r = 0; r < n; ++r)
        table.row(r) = ElementRow{0, 100.0 * r, 0, 100, 0, dz * r, dz};
}
// Puts the given rows into a chain table: kind, start x, start y, dx, dy,
// start z, dz.
inline void setChain(ElementTable& table, int& count, std::initializer_list<ElementRow> rows)
{
    count = static_cast<int>(rows.size());
    table.redim(count);
    int r = 0;
    for (const ElementRow& row : rows)
        table.row(r++) = row;
}

inline void storeProfile(int n) { storeChain(esportazione::sagoma, esportazione::sago_q, n); }
inline void storePath(int n, double dz = 0.0) { storeChain(esportazione::percorso, esportazione::perc_q, n, dz); }

// The window shown by its callers, with the window system's events let run.
inline fin_3d& shown()
{
    fin_3d& w = fin_3d::instance();
    w.mostra();
    testsupport::processEvents();
    return w;
}

// A click on a button, as the user makes it.
inline void press(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Clicks into the field, replaces its text by typing, and leaves it with Tab.
inline void type(platform::EditField* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Tab);
}

} // namespace fin3dtest

class Create3d : public ::testing::Test {
protected:
    void SetUp() override { fin3dtest::preparaProgramma(); }
};

template <class Param> class Create3dWithParam : public ::testing::TestWithParam<Param> {
protected:
    void SetUp() override { fin3dtest::preparaProgramma(); }
};
