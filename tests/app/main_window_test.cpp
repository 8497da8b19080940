#include "tests/app/running_program.h"

#include <algorithm>
#include <string>

namespace {

using MainWindowTest = RunningProgram;

TEST_F(MainWindowTest, AfterStartUpTheWindowShowsTheFreshQuestionnaireScrolledToTheTop)
{
    const int status = RunProgram([] {
        auto w = Window();
        ASSERT_TRUE(w);
        EXPECT_EQ(w->Title().ToUTF8(), "QELM Questionnaires");
        EXPECT_EQ(w->Height(), 511);
        EXPECT_EQ(w->Top(), 100);
        EXPECT_EQ(w->Width(), 550);
        EXPECT_EQ(Button("cmdLoad")->Caption().ToUTF8(), "Load Data from File...");
        EXPECT_EQ(Button("cmdSave")->Caption().ToUTF8(), "Save to File...");
        EXPECT_EQ(Button("cmdCancel")->Caption().ToUTF8(), "Exit");
        EXPECT_EQ(fw::RuntimeWindowControlByName<fw::TabPanel>(*w, "TabPanel1")->Height(), 471);
        for (const char* b : {"cmdLoad", "cmdSave", "cmdCancel"})
            EXPECT_EQ(Button(b)->Top(), 480) << b;
        EXPECT_EQ(Button("cmdSave")->Left(), 300);
        EXPECT_EQ(Button("cmdSave")->Width(), 125);
        EXPECT_EQ(Page()->Height(), 434);
        EXPECT_EQ(Page()->FormHeight, 1075);
        EXPECT_EQ(Bar()->Maximum(), 643);
        EXPECT_TRUE(Window()->IsShown());
        // The title bar offers closing only.
        const Qt::WindowFlags flags = w->Widget()->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

        // Scrolled down before the first tick, the page goes back to the top.
        Bar()->SetValue(200);
        Tick();
        EXPECT_EQ(Bar()->Value(), 0);
        EXPECT_EQ(Page()->LastScroll, 0);
        for (int n = 1; n <= 10; ++n)
            EXPECT_TRUE(Field(n)->Text().IsEmpty());

        const auto record = QA_Module::tmpSubject->QnA_List(0);
        EXPECT_EQ(record->NumVals, 10);
        for (int i = 0; i < 10; ++i)
            EXPECT_TRUE(record->Value(i).IsNull());
        EXPECT_TRUE(QA_Module::tmpSubject->QnA_List(1).IsNil());
    });
    EXPECT_EQ(status, 0);
}

TEST_F(MainWindowTest, TheWheelMovesThePageTenPixelsANotchWithinItsRange)
{
    RunProgram([] {
        Wheel(1);
        EXPECT_EQ(Bar()->Value(), 10);
        Wheel(3);
        EXPECT_EQ(Bar()->Value(), 40);
        Wheel(-1);
        EXPECT_EQ(Bar()->Value(), 30);
        Wheel(-5);
        EXPECT_EQ(Bar()->Value(), 0);
        Bar()->SetValue(640);
        Wheel(1);
        EXPECT_EQ(Bar()->Value(), 643);
        EXPECT_EQ(Page()->LastScroll, 643);
        EXPECT_FALSE(Window()->Event_MouseWheel(0, 0, 0, 0));
        EXPECT_EQ(Bar()->Value(), 643);
    });
}

TEST_F(MainWindowTest, TheUserResizesOnlyTheHeightAndTheScrollRangeFollows)
{
    RunProgram([] {
        QWidget* frame = Window()->Widget();
        const int menu = frame->height() - Window()->Height();
        // Wider and shorter than allowed: held at 550 wide and 350 high.
        frame->resize(700, 200 + menu);
        QApplication::processEvents();
        EXPECT_EQ(Window()->Width(), 550);
        EXPECT_EQ(Window()->Height(), 350);
        EXPECT_EQ(Page()->Height(), 273);
        EXPECT_EQ(Bar()->Maximum(), 1075 - 271);
        EXPECT_EQ(Button("cmdSave")->Top(), 319);

        // Scrolled to the end, then made taller: the page stays at its end.
        Bar()->SetValue(Bar()->Maximum());
        frame->resize(550, 611 + menu);
        QApplication::processEvents();
        EXPECT_EQ(Window()->Height(), 611);
        EXPECT_EQ(Bar()->Maximum(), 1075 - 532);
        EXPECT_EQ(Bar()->Value(), Bar()->Maximum());
        EXPECT_EQ(Page()->LastScroll, Bar()->Value());
    });
}

TEST_F(MainWindowTest, ExitEndsTheProgramWithStatusZero)
{
    EXPECT_EQ(RunProgram([] { Click("cmdCancel"); }), 0);
    EXPECT_NE(std::find(steps.begin(), steps.end(), "Quit 0"), steps.end());
}

TEST_F(MainWindowTest, TheCloseBoxEndsTheProgramWithStatusZero)
{
    EXPECT_EQ(RunProgram([] { Window()->Widget()->close(); }), 0);
    EXPECT_NE(std::find(steps.begin(), steps.end(), "Quit 0"), steps.end());
}

TEST_F(MainWindowTest, FileQuitEndsTheProgramWithStatusZero)
{
    EXPECT_EQ(RunProgram([] {
                  ASSERT_NE(MenuAction("FileQuit"), nullptr);
                  EXPECT_EQ(MenuAction("FileQuit")->shortcut(), QKeySequence("Ctrl+Q"));
                  MenuAction("FileQuit")->trigger();
              }),
              0);
    EXPECT_NE(std::find(steps.begin(), steps.end(), "Quit 0"), steps.end());
}

TEST_F(MainWindowTest, TheWindowReachesEveryMenuItemByName)
{
    RunProgram([] {
        auto w = Window();
        EXPECT_EQ(w->FileQuit()->Text().ToUTF8(), "Quit");
        EXPECT_EQ(w->EditClear()->Text().ToUTF8(), "Clear");
        EXPECT_EQ(w->EditSelectAll()->Text().ToUTF8(), "Select &All");
        EXPECT_EQ(w->EditMenu()->Count(), 8);
        EXPECT_EQ(w->FileMenu()->Count(), 1);
    });
}

TEST_F(MainWindowTest, EditMenuCopiesAndPastesBetweenAnswerFields)
{
    RunProgram([] {
        QWidget* first = Field(1)->Widget();
        QWidget* second = Field(2)->Widget();
        QApplication::setActiveWindow(Window()->Widget());
        first->setFocus();
        QTest::keyClicks(first, "penicillin");
        MenuAction("EditSelectAll")->trigger();
        ASSERT_TRUE(MenuAction("EditCopy")->isEnabled());
        MenuAction("EditCopy")->trigger();
        second->setFocus();
        ASSERT_TRUE(MenuAction("EditPaste")->isEnabled());
        MenuAction("EditPaste")->trigger();
        EXPECT_EQ(Field(2)->Text().ToUTF8(), "penicillin");
        EXPECT_EQ(Field(1)->Text().ToUTF8(), "penicillin");
    });
}

TEST_F(MainWindowTest, AnErrorInAButtonHandlerIsReportedAndTheAnswersStay)
{
    RunProgram([this] {
        Field(3)->SetText("appendix, 1998");
        // Without a working subject the save command cannot go on.
        const auto subject = QA_Module::tmpSubject;
        QA_Module::tmpSubject = nullptr;
        Click("cmdSave");
        QA_Module::tmpSubject = subject;

        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_EQ(desktop.messages[0].code, 16);
        EXPECT_NE(desktop.messages[0].text.find("NilObjectException"), std::string::npos);
        EXPECT_TRUE(desktop.dialogs.empty());
        EXPECT_FALSE(fw::QuitRequested());
        EXPECT_TRUE(Window()->IsShown());
        EXPECT_EQ(Field(3)->Text().ToUTF8(), "appendix, 1998");
    });
}

} // namespace
