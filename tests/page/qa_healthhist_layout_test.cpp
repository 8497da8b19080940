#include "page/qa_healthhist.h"

#include "framework/ui/push_button.h"
#include "framework/ui/tab_panel.h"
#include "tests/page/page_window.h"

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <set>
#include <typeinfo>

namespace {

struct Expected {
    const char* name;
    const std::type_info& type;
    const char* parent;
    int left, top, width, height;
    const char* locks;
    int tabIndex;
};

// clang-format off
const Expected kControls[] = {
    {"BackFrame",    typeid(fw::Canvas),     "",          1,   1,    516, 1073, "LTRB", 0},
    {"StaticText1",  typeid(fw::StaticText), "BackFrame", 6,   7,    500, 78,   "",     0},
    {"StaticText2",  typeid(fw::StaticText), "BackFrame", 6,   89,   182, 17,   "",     1},
    {"StaticText3",  typeid(fw::StaticText), "BackFrame", 19,  110,  487, 20,   "",     2},
    {"EditField1",   typeid(fw::EditField),  "BackFrame", 6,   132,  505, 61,   "",     3},
    {"StaticText4",  typeid(fw::StaticText), "BackFrame", 19,  194,  487, 20,   "",     4},
    {"EditField2",   typeid(fw::EditField),  "BackFrame", 6,   216,  505, 61,   "",     5},
    {"StaticText5",  typeid(fw::StaticText), "BackFrame", 19,  279,  487, 20,   "",     6},
    {"EditField3",   typeid(fw::EditField),  "BackFrame", 6,   301,  505, 61,   "",     7},
    {"StaticText6",  typeid(fw::StaticText), "BackFrame", 19,  364,  487, 20,   "",     8},
    {"EditField4",   typeid(fw::EditField),  "BackFrame", 6,   386,  505, 61,   "",     9},
    {"StaticText7",  typeid(fw::StaticText), "BackFrame", 19,  449,  487, 30,   "",     10},
    {"EditField5",   typeid(fw::EditField),  "BackFrame", 6,   481,  505, 61,   "",     11},
    {"StaticText8",  typeid(fw::StaticText), "BackFrame", 19,  544,  487, 27,   "",     12},
    {"EditField6",   typeid(fw::EditField),  "BackFrame", 6,   574,  505, 61,   "",     13},
    {"StaticText9",  typeid(fw::StaticText), "BackFrame", 6,   647,  321, 17,   "",     14},
    {"StaticText10", typeid(fw::StaticText), "BackFrame", 19,  672,  487, 27,   "",     15},
    {"EditField7",   typeid(fw::EditField),  "BackFrame", 6,   701,  505, 61,   "",     16},
    {"StaticText11", typeid(fw::StaticText), "BackFrame", 19,  763,  487, 20,   "",     17},
    {"EditField8",   typeid(fw::EditField),  "BackFrame", 6,   785,  505, 61,   "",     18},
    {"StaticText12", typeid(fw::StaticText), "BackFrame", 19,  848,  487, 39,   "",     19},
    {"EditField9",   typeid(fw::EditField),  "BackFrame", 6,   891,  505, 61,   "",     20},
    {"StaticText13", typeid(fw::StaticText), "BackFrame", 19,  954,  487, 29,   "",     21},
    {"EditField10",  typeid(fw::EditField),  "BackFrame", 6,   983,  505, 61,   "",     22},
    {"Print",        typeid(fw::PushButton), "BackFrame", 361, 1049, 150, 20,   "",     23},
    {"ScrollWindow", typeid(fw::ScrollBar),  "",          519, 2,    16,  1071, "TB",   1},
};
// clang-format on

const char* const kEmDash = "\xE2\x80\x94";

class LayoutTest : public PageTest {};

TEST_F(LayoutTest, TheTwentySevenControlsStandInCreationOrderWithPlaceLocksAndTabOrder)
{
    const auto& controls = page->Controls();
    ASSERT_EQ(controls.size(), 27u);
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        const Expected& e = kControls[i];
        SCOPED_TRACE(e.name);
        auto* c = dynamic_cast<fw::RectControl*>(controls[i].Raw());
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->Name().ToUTF8(), e.name);
        EXPECT_EQ(typeid(*c), e.type);
        EXPECT_EQ(c->Parent() ? c->Parent()->Name().ToUTF8() : "", e.parent);
        EXPECT_EQ((std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()}),
                  (std::vector<int>{e.left, e.top, e.width, e.height}));
        const std::string locks = std::string(c->LockLeft() ? "L" : "") + (c->LockTop() ? "T" : "") +
                                  (c->LockRight() ? "R" : "") + (c->LockBottom() ? "B" : "");
        EXPECT_EQ(locks, e.locks);
        EXPECT_EQ(c->TabIndex(), e.tabIndex);
        EXPECT_EQ(c->Index(), fw::NotInControlArray);
        EXPECT_TRUE(c->Visible());
        EXPECT_TRUE(c->Enabled());
    }
    auto timer = fw::Cast<fw::Timer>(controls[26]);
    EXPECT_EQ(timer->Name().ToUTF8(), "Timer1");
    EXPECT_EQ(timer->Mode(), 2);
    EXPECT_EQ(timer->Period(), 100);
}

TEST_F(LayoutTest, EveryTextIsTheDeclaredOne)
{
    const std::vector<std::pair<const char*, std::string>> texts = {
        {"StaticText1",
         "Nothing can replace live personal interaction when it comes to correctly interpreting and applying QELM "
         "Principles for constructing the most accurate and personally tailored set of lifestyle recommendations. "
         "In order to make sure that your Personal QELM Recommendations are complete as possible, in all respects, "
         "it is vital that we are made aware of all your health and lifestyle history. Under each subject, please "
         "list all information that applies beginning, by date, with earliest and ending with the most recent."},
        {"StaticText2", "Medical History Information:"},
        {"StaticText3", "1.  Hospitalizations (please list approximate date and reason for hospitalization)"},
        {"StaticText4", "2.  Accidents (please list approximate date and injury that resulted)"},
        {"StaticText5", "3.  Surgeries (please list approximate date and reason for surgery)"},
        {"StaticText6", "4.  Medications (please list all doctor prescribed medications, by date, why taken)"},
        {"StaticText7", std::string("5.  Doctor Diagnosed Illnesses and/or Diseases ") + kEmDash +
                            " both emotional and physical (please list approximate date of diagnosis with the "
                            "specialty of the doctor who diagnosed you)"},
        {"StaticText8", "6. Allergies (please list by date diagnosed, tests used to determine, type, i.e. medication, "
                        "chemical or food, specialty of individual who diagnosed the condition.)"},
        {"StaticText9", "Lifestyle History and Information:"},
        {"StaticText10", "1.  Diets (please list by date the various dietary regimens you have tried or followed in "
                         "the past, whether for weight loss, nutritional, philosophical or religious reasons)"},
        {"StaticText11", "2.  Exercise programs (please list all the types of exercise programs you have followed)"},
        {"StaticText12", "3.  Food supplements (please list all Mineral, Vitamin, Herbal and Digestive supplements "
                         "that you are currently taking and how much of each per day. Please indicate whether these "
                         "were professionally prescribed or self prescribed?)"},
        {"StaticText13", "4.  Please describe, in a few words, the guiding philosophy you live by, effecting your "
                         "view of wellness, dis-ease and health (healing)."},
    };
    int nonAscii = 0;
    for (const auto& [name, text] : texts) {
        auto label = Get<fw::StaticText>(name);
        EXPECT_EQ(label->Text().ToUTF8(), text) << name;
        EXPECT_EQ(static_cast<QLabel*>(label->Widget())->text().toStdString(), text) << name;
        for (unsigned char ch : label->Text().ToUTF8())
            nonAscii += ch >= 0x80;
    }
    EXPECT_EQ(nonAscii, 3) << "the em dash's three bytes and nothing else";
    EXPECT_EQ(Get<fw::PushButton>("Print")->Caption().ToUTF8(), "Print Blank Questionnaire");
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(Field(i)->Text().ToUTF8(), "");
}

TEST_F(LayoutTest, LabelsAreMultilineOrBoldAsDeclaredInTahomaElevenPixels)
{
    const std::set<std::string> multiline = {"StaticText1", "StaticText7", "StaticText8",
                                             "StaticText10", "StaticText12", "StaticText13"};
    const std::set<std::string> bold = {"StaticText2", "StaticText9"};
    for (int i = 1; i <= 13; ++i) {
        const std::string name = "StaticText" + std::to_string(i);
        auto label = Get<fw::StaticText>(name);
        auto* widget = static_cast<QLabel*>(label->Widget());
        EXPECT_EQ(label->Multiline(), multiline.count(name) == 1) << name;
        EXPECT_EQ(widget->wordWrap(), multiline.count(name) == 1) << name;
        EXPECT_EQ(widget->font().bold(), bold.count(name) == 1) << name;
        EXPECT_EQ(widget->font().pixelSize(), 11) << name;
        EXPECT_EQ(QFontInfo(widget->font()).family(), "Tahoma") << name;
    }
    EXPECT_EQ(QFontInfo(Field(1)->Widget()->font()).family(), "Tahoma");
    EXPECT_EQ(Field(1)->Widget()->font().pixelSize(), 11);
}

TEST_F(LayoutTest, NoQuestionIsClipped)
{
    for (int i = 1; i <= 13; ++i) {
        const std::string name = "StaticText" + std::to_string(i);
        auto label = Get<fw::StaticText>(name);
        auto* widget = static_cast<QLabel*>(label->Widget());
        SCOPED_TRACE(name);
        if (label->Multiline()) {
            EXPECT_LE(widget->heightForWidth(label->Width()), label->Height());
        } else {
            EXPECT_LE(widget->sizeHint().width(), label->Width());
            EXPECT_LE(widget->sizeHint().height(), label->Height());
        }
    }
    auto* print = static_cast<QPushButton*>(Get("Print")->Widget());
    EXPECT_LE(print->fontMetrics().horizontalAdvance(print->text()), Get("Print")->Width());
}

TEST_F(LayoutTest, EachAnswerFieldIsBoundToItsOwnTwoHandlersGotFocusFirstButTheNinth)
{
    std::vector<std::string> expected;
    for (int i = 1; i <= 10; ++i) {
        const std::string field = "EditField" + std::to_string(i);
        const std::vector<std::string> order =
            i == 9 ? std::vector<std::string>{"TextChange", "GotFocus"} : std::vector<std::string>{"GotFocus", "TextChange"};
        for (const auto& event : order)
            expected.push_back(field + " " + event + " " + field + "_" + event);
    }
    for (const char* binding : {"Print Action Print_Action", "ScrollWindow ValueChanged ScrollWindow_ValueChanged",
                                "ScrollWindow Open ScrollWindow_Open", "Timer1 Action Timer1_Action"})
        expected.push_back(binding);

    std::vector<std::string> actual;
    for (const auto& b : page->Bindings())
        actual.push_back(b.control + " " + b.event + " " + b.method);
    EXPECT_EQ(actual, expected);
}

TEST_F(LayoutTest, ANewPageStartsUnscrolledWithItsPropertiesAtZero)
{
    auto fresh = fw::New<QA_HealthHist>();
    fw::RunDefaultWindowConstructor(fresh);
    EXPECT_EQ(fresh->FocusBottom, 0);
    EXPECT_EQ(fresh->FocusTop, 0);
    EXPECT_FALSE(fresh->FocusChanged);
    EXPECT_EQ(fresh->LastScroll, 0);
    EXPECT_EQ(fresh->FormHeight, 0);
    EXPECT_TRUE(fresh->HTMLString.IsEmpty());
    auto bar = fw::RuntimeWindowControlByName<fw::ScrollBar>(*fresh, "ScrollWindow");
    EXPECT_EQ((std::vector<int>{bar->Minimum(), bar->Value(), bar->Maximum()}), (std::vector<int>{0, 0, 100}));
    EXPECT_EQ((std::vector<int>{fresh->Left(), fresh->Top(), fresh->Width(), fresh->Height()}),
              (std::vector<int>{32, 32, 537, 1075}));

    // Opened in a window, the scroll bar takes the page's full height.
    EXPECT_EQ(page->FormHeight, 1075);
}

TEST_F(LayoutTest, OnlyBackFrameAndTheScrollBarFollowThePagesHeight)
{
    SetPageHeight(434);
    EXPECT_EQ(page->Height(), 434);
    EXPECT_EQ(Frame()->Height(), 432);
    EXPECT_EQ(Bar()->Height(), 430);
    EXPECT_EQ(Bar()->Top(), 2);
    EXPECT_EQ(Field(10)->Height(), 61);
    EXPECT_EQ(Field(10)->Top(), 983);
    EXPECT_EQ(Get("Print")->Top(), 1049);
    EXPECT_EQ(Bar()->Maximum(), 643);
}

// The page on the first tab of a panel, as a main window holds it: embedded
// when the panel opens, and the window shrinks only in its own Open.
class TabbedWindow : public TestWindow {
public:
    void Layout() override { fw::_SetProperties(*this, {{"Width", 555}, {"Height", 1152}}); }
    void CreateControls() override
    {
        _AddControl("TabPanel1", fw::New<fw::TabPanel>());
        fw::_SetProperties(*fw::RuntimeWindowControlByName(*this, "TabPanel1"),
                           {{"Left", 5}, {"Top", 5}, {"Width", 545}, {"Height", 1112}, {"LockTop", true},
                            {"LockBottom", true}, {"TabDefinition", "Health and Lifestyle History"}});
        fw::_InstallInstanceEventHandler(*fw::RuntimeWindowControlByName(*this, "TabPanel1"), "Open",
                                         fw::RuntimeCreateDelegate(*this, &TabbedWindow::PanelOpen, "PanelOpen"));
        auto page = fw::New<QA_HealthHist>();
        fw::RunDefaultWindowConstructor(page);
        _AddControl("QA_HealthHist1", page);
        fw::_SetProperties(*page, {{"InitialParent", "TabPanel1"}, {"Left", 8}, {"Top", 37}, {"Width", 537},
                                   {"Height", 1075}, {"LockTop", true}, {"LockBottom", true},
                                   {"TabPanelIndex", 1}, {"FocusChanged", false}});
    }
    void PanelOpen(fw::TabPanel& panel)
    {
        fw::RuntimeWindowControlByName<QA_HealthHist>(*this, "QA_HealthHist1")
            ->EmbedWithinPanel(panel, 0, 0, 0, -1, -1);
    }
    void Event_Open() override { SetHeight(511); }
};

TEST(PageOnATabPanel, TakesItsFullHeightWhenItOpensAndScrollsWhatTheWindowLosesLater)
{
    WindowCleanup cleanup;
    auto window = fw::New<TabbedWindow>();
    fw::RunDefaultWindowConstructor(window);
    auto page = fw::RuntimeWindowControlByName<QA_HealthHist>(*window, "QA_HealthHist1");
    auto panel = fw::RuntimeWindowControlByName<fw::TabPanel>(*window, "TabPanel1");

    EXPECT_EQ(page->FormHeight, 1075);
    EXPECT_EQ(panel->Height(), 471);
    EXPECT_EQ(page->Height(), 434);
    EXPECT_EQ(fw::RuntimeWindowControlByName<fw::ScrollBar>(*page, "ScrollWindow")->Maximum(), 643);
    EXPECT_TRUE(page->IsShown());
    EXPECT_EQ(page->Widget()->parentWidget(), panel->ContentWidget(1));
}

} // namespace
