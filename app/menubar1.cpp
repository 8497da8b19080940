#include "app/menubar1.h"

#include "framework/core/trace.h"

fw::Ref<MenuBar1> MenuBar1::_implicitInstance;

namespace {

struct ItemRow {
    const char* menu; // nullptr: a menu of the bar itself
    const char* name;
    const char* text;
    const char* shortcut; // nullptr: not assigned (separators)
    bool quit;
};

const ItemRow kFileMenu[] = {
    {nullptr, "FileMenu", "&File", "", false},
    {"FileMenu", "FileQuit", "Quit", "Cmd+Q", true},
};

const ItemRow kEditMenu[] = {
    {nullptr, "EditMenu", "&Edit", "", false},
    {"EditMenu", "EditUndo", "&Undo", "Cmd+Z", false},
    {"EditMenu", "", "-", nullptr, false},
    {"EditMenu", "EditCut", "Cu&t", "Cmd+X", false},
    {"EditMenu", "EditCopy", "&Copy", "Cmd+C", false},
    {"EditMenu", "EditPaste", "&Paste", "Cmd+V", false},
    {"EditMenu", "EditClear", "Clear", "", false},
    {"EditMenu", "", "-", nullptr, false},
    {"EditMenu", "EditSelectAll", "Select &All", "Cmd+A", false},
};

void BuildItem(MenuBar1& bar, const ItemRow& row)
{
    fw::Ref<fw::MenuItem> item = row.quit ? fw::Ref<fw::MenuItem>(fw::New<fw::QuitMenuItem>())
                                          : fw::New<fw::MenuItem>();
    item->SetName(row.name);
    item->SetAutoEnable(true);
    item->SetText(row.text);
    if (row.shortcut)
        item->SetKeyboardShortcut(row.shortcut);
    if (!row.menu)
        bar.Append(item);
    else
        bar.Child(row.menu)->Append(item); // nil menu raises NilObjectException
}

} // namespace

void MenuBar1::Untitled0()
{
    for (const auto& row : kFileMenu)
        BuildItem(*this, row);
}

void MenuBar1::Untitled1()
{
    for (const auto& row : kEditMenu)
        BuildItem(*this, row);
}

void MenuBar1::Build()
{
    Untitled0();
    Untitled1();
}

fw::Ref<MenuBar1> MenuBar1Instance()
{
    if (MenuBar1::_implicitInstance)
        return MenuBar1::_implicitInstance;
    auto bar = fw::New<MenuBar1>();
    bar->Build();
    MenuBar1::_implicitInstance = bar;
    fw::trace::Record("MenuBar1 built");
    return bar;
}
