// The "Create 3D" window's texts of the two languages.
#include "app/lingue.h"

#include "create3d/fin_3d.h"

#include <functional>
#include <map>

namespace lingue {

namespace {

using Writer = std::function<void(fin_3d&, const QString&)>;

template <class Control> Writer member(Control* fin_3d::*control)
{
    return [control](fin_3d& w, const QString& text) {
        if (Control* c = w.*control)
            c->setText(text);
    };
}

Writer checkBox(int index)
{
    return [index](fin_3d& w, const QString& text) {
        if (platform::CheckBox* c = w.CheckB(index))
            c->setText(text);
    };
}

// Where each target of the table goes in the window.
const std::map<QString, Writer>& writers()
{
    static const std::map<QString, Writer> m = {
        {"fin_3d", [](fin_3d& w, const QString& text) { w.setTitle(text); }},
        {"StaticText1", member(&fin_3d::StaticText1)},
        {"StaticText2", member(&fin_3d::StaticText2)},
        {"StaticT1", member(&fin_3d::StaticT1)},
        {"StaticT2", member(&fin_3d::StaticT2)},
        {"StaticText5", member(&fin_3d::StaticText5)},
        {"StaticText6", member(&fin_3d::StaticText6)},
        {"StaticText3", member(&fin_3d::StaticText3)},
        {"StaticText17", member(&fin_3d::StaticText17)},
        {"bottone_s_o", member(&fin_3d::bottone_s_o)},
        {"bottone_s_e", member(&fin_3d::bottone_s_e)},
        {"bottone_p_o", member(&fin_3d::bottone_p_o)},
        {"bottone_p_e", member(&fin_3d::bottone_p_e)},
        {"CheckB(0)", checkBox(0)},
        {"CheckB(1)", checkBox(1)},
        {"CheckB(2)", checkBox(2)},
        {"CheckB(3)", checkBox(3)},
        {"PushButton2", member(&fin_3d::PushButton2)},
        {"PushButton3", member(&fin_3d::PushButton3)},
        {"PushButton1", member(&fin_3d::PushButton1)},
    };
    return m;
}

} // namespace

void applica3d(bool italiano)
{
    fin_3d& window = fin_3d::instance();
    for (const Testo& t : testi3d()) {
        const auto it = writers().find(t.target);
        if (it != writers().end())
            it->second(window, italiano ? t.italiano : t.english);
    }
}

} // namespace lingue
