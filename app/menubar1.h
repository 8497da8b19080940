#pragma once

#include "framework/ui/menu.h"

// The main window's menu bar: File (Quit) and Edit (the editing commands).
class MenuBar1 : public fw::MenuBar {
public:
    // Builds the whole bar: the File menu, then the Edit menu.
    virtual void Untitled0();
    virtual void Untitled1();
    virtual void Build();

    // The one shared instance, built on the first request.
    static fw::Ref<MenuBar1> _implicitInstance;
};

fw::Ref<MenuBar1> MenuBar1Instance();
