#pragma once
// The about box: the program's name and version, the author line that opens
// a mail link, and the icon that opens the web site.
#include "platform/controls.h"
#include "platform/window.h"

class info : public platform::SingleWindow<info> {
    Q_OBJECT
public:
    info();

    platform::PushButton* PushButton1 = nullptr;
    platform::StaticText* StaticText1 = nullptr;
    platform::StaticText* StaticText2 = nullptr;
    platform::Canvas* Canvas1 = nullptr;

    static const QString& mailLink();
    static const QString& webLink();

    void PushButton1_Action();
    void StaticText2_MouseExit();
    void StaticText2_MouseEnter();
    bool StaticText2_MouseDown();
    bool Canvas1_MouseDown(int x, int y);
};
