// The page's declarations: its own properties, its 27 controls in creation
// order, their texts and their event bindings.

#include "page/qa_healthhist.h"

#include "framework/ui/canvas.h"
#include "framework/ui/static_text.h"

#include <cstring>
#include <vector>

namespace {

using fw::Declaration;

enum class Kind { Canvas, StaticText, EditField, PushButton, ScrollBar, Timer };

struct ControlRow {
    const char* name;
    Kind kind;
    const char* parent; // "" is the page itself
    int left, top, width, height;
    const char* locks; // the locked sides: L, T, R, B
    int tabIndex;
    const char* differs; // from the class's common values: "Multiline" or "Bold"
};

// clang-format off
const ControlRow kControls[] = {
    // name          class             parent       left  top  width height locks  tab  differs
    {"BackFrame",    Kind::Canvas,     "",          1,    1,   516,  1073,  "LTRB", 0,  ""},
    {"StaticText1",  Kind::StaticText, "BackFrame", 6,    7,   500,  78,    "",     0,  "Multiline"},
    {"StaticText2",  Kind::StaticText, "BackFrame", 6,    89,  182,  17,    "",     1,  "Bold"},
    {"StaticText3",  Kind::StaticText, "BackFrame", 19,   110, 487,  20,    "",     2,  ""},
    {"EditField1",   Kind::EditField,  "BackFrame", 6,    132, 505,  61,    "",     3,  ""},
    {"StaticText4",  Kind::StaticText, "BackFrame", 19,   194, 487,  20,    "",     4,  ""},
    {"EditField2",   Kind::EditField,  "BackFrame", 6,    216, 505,  61,    "",     5,  ""},
    {"StaticText5",  Kind::StaticText, "BackFrame", 19,   279, 487,  20,    "",     6,  ""},
    {"EditField3",   Kind::EditField,  "BackFrame", 6,    301, 505,  61,    "",     7,  ""},
    {"StaticText6",  Kind::StaticText, "BackFrame", 19,   364, 487,  20,    "",     8,  ""},
    {"EditField4",   Kind::EditField,  "BackFrame", 6,    386, 505,  61,    "",     9,  ""},
    {"StaticText7",  Kind::StaticText, "BackFrame", 19,   449, 487,  30,    "",     10, "Multiline"},
    {"EditField5",   Kind::EditField,  "BackFrame", 6,    481, 505,  61,    "",     11, ""},
    {"StaticText8",  Kind::StaticText, "BackFrame", 19,   544, 487,  27,    "",     12, "Multiline"},
    {"EditField6",   Kind::EditField,  "BackFrame", 6,    574, 505,  61,    "",     13, ""},
    {"StaticText9",  Kind::StaticText, "BackFrame", 6,    647, 321,  17,    "",     14, "Bold"},
    {"StaticText10", Kind::StaticText, "BackFrame", 19,   672, 487,  27,    "",     15, "Multiline"},
    {"EditField7",   Kind::EditField,  "BackFrame", 6,    701, 505,  61,    "",     16, ""},
    {"StaticText11", Kind::StaticText, "BackFrame", 19,   763, 487,  20,    "",     17, ""},
    {"EditField8",   Kind::EditField,  "BackFrame", 6,    785, 505,  61,    "",     18, ""},
    {"StaticText12", Kind::StaticText, "BackFrame", 19,   848, 487,  39,    "",     19, "Multiline"},
    {"EditField9",   Kind::EditField,  "BackFrame", 6,    891, 505,  61,    "",     20, ""},
    {"StaticText13", Kind::StaticText, "BackFrame", 19,   954, 487,  29,    "",     21, "Multiline"},
    {"EditField10",  Kind::EditField,  "BackFrame", 6,    983, 505,  61,    "",     22, ""},
    {"Print",        Kind::PushButton, "BackFrame", 361,  1049, 150, 20,    "",     23, ""},
    {"ScrollWindow", Kind::ScrollBar,  "",          519,  2,   16,   1071,  "TB",   1,  ""},
    {"Timer1",       Kind::Timer,      "",          0,    0,   0,    0,     "",     0,  ""},
};
// clang-format on

struct TextRow {
    const char* control;
    const char* text;
};

// Numbered questions have two spaces after the number's full stop, but for
// the sixth medical question; StaticText7's dash is an em dash.
const TextRow kTexts[] = {
    {"StaticText1",
     "Nothing can replace live personal interaction when it comes to correctly interpreting and applying QELM "
     "Principles for constructing the most accurate and personally tailored set of lifestyle recommendations. In "
     "order to make sure that your Personal QELM Recommendations are complete as possible, in all respects, it is "
     "vital that we are made aware of all your health and lifestyle history. Under each subject, please list all "
     "information that applies beginning, by date, with earliest and ending with the most recent."},
    {"StaticText2", "Medical History Information:"},
    {"StaticText3", "1.  Hospitalizations (please list approximate date and reason for hospitalization)"},
    {"StaticText4", "2.  Accidents (please list approximate date and injury that resulted)"},
    {"StaticText5", "3.  Surgeries (please list approximate date and reason for surgery)"},
    {"StaticText6", "4.  Medications (please list all doctor prescribed medications, by date, why taken)"},
    {"StaticText7",
     "5.  Doctor Diagnosed Illnesses and/or Diseases \u2014 both emotional and physical (please list approximate "
     "date of diagnosis with the specialty of the doctor who diagnosed you)"},
    {"StaticText8",
     "6. Allergies (please list by date diagnosed, tests used to determine, type, i.e. medication, chemical or "
     "food, specialty of individual who diagnosed the condition.)"},
    {"StaticText9", "Lifestyle History and Information:"},
    {"StaticText10",
     "1.  Diets (please list by date the various dietary regimens you have tried or followed in the past, whether "
     "for weight loss, nutritional, philosophical or religious reasons)"},
    {"StaticText11", "2.  Exercise programs (please list all the types of exercise programs you have followed)"},
    {"StaticText12",
     "3.  Food supplements (please list all Mineral, Vitamin, Herbal and Digestive supplements that you are "
     "currently taking and how much of each per day. Please indicate whether these were professionally prescribed "
     "or self prescribed?)"},
    {"StaticText13",
     "4.  Please describe, in a few words, the guiding philosophy you live by, effecting your view of wellness, "
     "dis-ease and health (healing)."},
    {"Print", "Print Blank Questionnaire"},
};

// Keeps each method's name and its address together.
#define PAGE_METHOD(m) #m, &QA_HealthHist::m

struct BindingRow {
    const char* control;
    const char* event;
    const char* methodName;
    fw::Method<QA_HealthHist> method;
};

// In binding order; EditField9 binds TextChange first.
const std::vector<BindingRow>& BindingTable()
{
    static const std::vector<BindingRow> rows = {
        {"EditField1", "GotFocus", PAGE_METHOD(EditField1_GotFocus)},
        {"EditField1", "TextChange", PAGE_METHOD(EditField1_TextChange)},
        {"EditField2", "GotFocus", PAGE_METHOD(EditField2_GotFocus)},
        {"EditField2", "TextChange", PAGE_METHOD(EditField2_TextChange)},
        {"EditField3", "GotFocus", PAGE_METHOD(EditField3_GotFocus)},
        {"EditField3", "TextChange", PAGE_METHOD(EditField3_TextChange)},
        {"EditField4", "GotFocus", PAGE_METHOD(EditField4_GotFocus)},
        {"EditField4", "TextChange", PAGE_METHOD(EditField4_TextChange)},
        {"EditField5", "GotFocus", PAGE_METHOD(EditField5_GotFocus)},
        {"EditField5", "TextChange", PAGE_METHOD(EditField5_TextChange)},
        {"EditField6", "GotFocus", PAGE_METHOD(EditField6_GotFocus)},
        {"EditField6", "TextChange", PAGE_METHOD(EditField6_TextChange)},
        {"EditField7", "GotFocus", PAGE_METHOD(EditField7_GotFocus)},
        {"EditField7", "TextChange", PAGE_METHOD(EditField7_TextChange)},
        {"EditField8", "GotFocus", PAGE_METHOD(EditField8_GotFocus)},
        {"EditField8", "TextChange", PAGE_METHOD(EditField8_TextChange)},
        {"EditField9", "TextChange", PAGE_METHOD(EditField9_TextChange)},
        {"EditField9", "GotFocus", PAGE_METHOD(EditField9_GotFocus)},
        {"EditField10", "GotFocus", PAGE_METHOD(EditField10_GotFocus)},
        {"EditField10", "TextChange", PAGE_METHOD(EditField10_TextChange)},
        {"Print", "Action", PAGE_METHOD(Print_Action)},
        {"ScrollWindow", "ValueChanged", PAGE_METHOD(ScrollWindow_ValueChanged)},
        {"ScrollWindow", "Open", PAGE_METHOD(ScrollWindow_Open)},
        {"Timer1", "Action", PAGE_METHOD(Timer1_Action)},
    };
    return rows;
}

#undef PAGE_METHOD

const fw::Color kBlack{0, 0, 0};
const fw::Color kWhite{255, 255, 255};

bool Locked(const ControlRow& r, char side) { return std::strchr(r.locks, side) != nullptr; }
bool Differs(const ControlRow& r, const char* flag) { return std::strcmp(r.differs, flag) == 0; }

const char* TextOf(const ControlRow& r)
{
    for (const auto& t : kTexts)
        if (std::strcmp(t.control, r.name) == 0)
            return t.text;
    return "";
}

// The properties every rectangle control declares first, in their order.
Declaration Head(const ControlRow& r)
{
    return {{"Name", r.name},
            {"Index", fw::NotInControlArray},
            {"Left", r.left},
            {"Top", r.top},
            {"Width", r.width},
            {"Height", r.height},
            {"LockLeft", Locked(r, 'L')},
            {"LockTop", Locked(r, 'T')},
            {"LockRight", Locked(r, 'R')},
            {"LockBottom", Locked(r, 'B')},
            {"TabPanelIndex", 0},
            {"TabIndex", r.tabIndex}};
}

// Every text control's font: Tahoma at 11 pixels.
Declaration TahomaEleven(bool bold)
{
    return {{"TextFont", "Tahoma"}, {"TextSize", 11}, {"Bold", bold}, {"Italic", false}, {"Underline", false}};
}

Declaration Join(std::initializer_list<Declaration> parts)
{
    Declaration all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Each class's declaration: its properties in the order they are applied.
Declaration DeclarationOf(const ControlRow& r)
{
    switch (r.kind) {
    case Kind::Canvas:
        return Join({Head(r),
                     {{"Visible", true},
                      {"HelpTag", ""},
                      {"AutoDeactivate", true},
                      {"Enabled", true},
                      {"UseFocusRing", false},
                      {"AcceptFocus", false},
                      {"AcceptTabs", false},
                      {"EraseBackground", false},
                      {"InitialParent", r.parent}}});
    case Kind::StaticText:
        return Join({Head(r),
                     {{"Text", TextOf(r)},
                      {"TextAlign", 0},
                      {"TextColor", kBlack},
                      {"Multiline", Differs(r, "Multiline")},
                      {"Enabled", true},
                      {"Visible", true},
                      {"HelpTag", ""},
                      {"AutoDeactivate", true}},
                     TahomaEleven(Differs(r, "Bold")),
                     {{"DataSource", ""}, {"DataField", ""}, {"InitialParent", r.parent}}});
    case Kind::EditField:
        return Join({Head(r),
                     {{"Border", true},
                      {"Multiline", true},
                      {"ScrollbarHorizontal", false},
                      {"ScrollbarVertical", true},
                      {"Styled", false},
                      {"Password", false},
                      {"UseFocusRing", true},
                      {"TextColor", kBlack},
                      {"BackColor", kWhite},
                      {"Enabled", true},
                      {"Format", ""},
                      {"Visible", true},
                      {"HelpTag", ""},
                      {"AutoDeactivate", true}},
                     TahomaEleven(false),
                     {{"Text", ""},
                      {"Mask", ""},
                      {"ReadOnly", false},
                      {"LimitText", 0},
                      {"AcceptTabs", false},
                      {"Alignment", 0},
                      {"DataSource", ""},
                      {"DataField", ""},
                      {"InitialParent", r.parent}}});
    case Kind::PushButton:
        return Join({Head(r),
                     {{"Caption", TextOf(r)},
                      {"Default", false},
                      {"Cancel", false},
                      {"Enabled", true},
                      {"Visible", true},
                      {"HelpTag", ""},
                      {"AutoDeactivate", true}},
                     TahomaEleven(false),
                     {{"InitialParent", r.parent}}});
    case Kind::ScrollBar:
        return Join({Head(r),
                     {{"Enabled", true},
                      {"Visible", true},
                      {"HelpTag", ""},
                      {"AutoDeactivate", true},
                      {"Minimum", 0},
                      {"Value", 0},
                      {"Maximum", 100},
                      {"LineStep", 50},
                      {"PageStep", 250},
                      {"LiveScroll", true},
                      {"AcceptFocus", false},
                      {"InitialParent", r.parent}}});
    case Kind::Timer:
        return {{"Mode", 2}, {"Period", 100}};
    }
    return {};
}

fw::Ref<fw::Control> NewControl(Kind kind)
{
    switch (kind) {
    case Kind::Canvas: return fw::New<fw::Canvas>();
    case Kind::StaticText: return fw::New<fw::StaticText>();
    case Kind::EditField: return fw::New<fw::EditField>();
    case Kind::PushButton: return fw::New<fw::PushButton>();
    case Kind::ScrollBar: return fw::New<fw::ScrollBar>();
    case Kind::Timer: return fw::New<fw::Timer>();
    }
    return nullptr;
}

} // namespace

void QA_HealthHist::Layout()
{
    // The embedding window's declaration gives the page its own place.
    fw::_SetProperties(*this, {{"InitialParent", ""},
                               {"Left", 32},
                               {"Top", 32},
                               {"Width", 537},
                               {"Height", 1075},
                               {"LockLeft", false},
                               {"LockTop", false},
                               {"LockRight", false},
                               {"LockBottom", false},
                               {"TabPanelIndex", 0},
                               {"TabIndex", 0},
                               {"Visible", true},
                               {"Enabled", true},
                               {"AutoDeactivate", true},
                               {"HelpTag", ""},
                               {"UseFocusRing", false},
                               {"AcceptFocus", false},
                               {"AcceptTabs", false},
                               {"EraseBackground", true}});
}

void QA_HealthHist::CreateControls() { _CreateControls0(); }

void QA_HealthHist::_CreateControls0()
{
    for (const auto& row : kControls) {
        _AddControl(row.name, NewControl(row.kind));
        fw::_SetProperties(*fw::RuntimeWindowControlByName(*this, row.name), DeclarationOf(row));
        // Bound only once declared, so declaring runs no handler.
        for (const auto& b : BindingTable())
            if (std::strcmp(b.control, row.name) == 0)
                fw::_InstallInstanceEventHandler(*fw::RuntimeWindowControlByName(*this, row.name), b.event,
                                                 fw::RuntimeCreateDelegate(*this, b.method, b.methodName));
    }
}

bool QA_HealthHist::ApplyProperty(const std::string& name, const fw::PropertyValue& value)
{
    if (name == "FocusChanged") {
        FocusChanged = value.Bool();
        return true;
    }
    return fw::ContainerControl::ApplyProperty(name, value);
}
