#pragma once
// The state a reset gives for the model's tests: an 800 x 600 drawing area
// with the origin in its middle, a fresh, empty backdrop, and a recording
// screen in add mode in place of the editor's windows.
#include "model/forme.h"
#include "model/geometria.h"
#include "model/stato.h"
#include "platform/beep.h"
#include "support/model_state.h"
#include "support/schermo_finto.h"
#include "support/test_support.h"

#include <cmath>
#include <gtest/gtest.h>

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::resetModelState();
        schermo().azzera();
        Schermo::registra(&schermo());
        Geometria::griglia = std::make_shared<platform::Picture>(800, 600);
        platform::resetBeepCount();
    }
    void TearDown() override { Schermo::registra(nullptr); }

    // What the model asked of the screen.
    static testsupport::SchermoFinto& schermo()
    {
        static testsupport::SchermoFinto s;
        return s;
    }

    static void setCurrent(int kind, double x0, double y0, double ddx, double ddy, double z0 = 0.0, double ddz = 0.0)
    {
        Forme::caricaelemento({static_cast<double>(kind), x0, y0, ddx, ddy, z0, ddz});
    }

    // A connected chain of the given rows (kind, dx, dy, dz) from (x0, y0, 0).
    struct Step {
        int kind;
        double dx, dy, dz;
    };
    static void setChain(const std::vector<Step>& steps, double x0 = 0.0, double y0 = 0.0)
    {
        Forme::poli_q = static_cast<int>(steps.size());
        Forme::polilinea.redim(Forme::poli_q);
        double x = x0, y = y0, z = 0.0;
        int i = 0;
        for (const Step& s : steps) {
            Forme::polilinea.row(i++) = ElementRow{static_cast<double>(s.kind), x, y, s.dx, s.dy, z, s.dz};
            x += s.dx;
            y += s.dy;
            z += s.dz;
        }
    }

    static std::vector<testsupport::Segment> live() { return testsupport::segmentsOf(schermo().vivi); }

    static bool allFinite(const std::vector<testsupport::Segment>& segs)
    {
        for (const auto& s : segs)
            if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) || !std::isfinite(s.y2))
                return false;
        return true;
    }
};
