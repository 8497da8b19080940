#include "framework/ui/declaration.h"

#include "framework/ui/canvas.h"
#include "framework/ui/edit_field.h"
#include "framework/ui/push_button.h"
#include "framework/ui/static_text.h"
#include "framework/ui/timer.h"
#include "tests/support/test_window.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class DeclarationTest : public ::testing::Test {
protected:
    WindowCleanup cleanup;
    fw::Ref<TestWindow> window = fw::New<TestWindow>();
};

TEST_F(DeclarationTest, PropertiesApplyInTheListedOrder)
{
    window->_AddControl("Label", fw::New<fw::StaticText>());
    auto label = fw::RuntimeWindowControlByName<fw::StaticText>(*window, "Label");
    fw::_SetProperties(*label, {{"Text", "first"}, {"Left", 4}, {"Text", "second"}, {"Left", 9}});
    EXPECT_EQ(label->Text().ToUTF8(), "second");
    EXPECT_EQ(label->Left(), 9);
    EXPECT_EQ(label->Widget()->x(), 9);
}

TEST_F(DeclarationTest, PropertiesWithoutEffectAreKept)
{
    auto field = fw::New<fw::EditField>();
    fw::_SetProperties(*field, {{"AutoDeactivate", true}, {"HelpTag", "help"}, {"DataSource", ""}});
    ASSERT_TRUE(field->StoredProperty("HelpTag").has_value());
    EXPECT_EQ(field->StoredProperty("HelpTag")->Text().ToUTF8(), "help");
    EXPECT_TRUE(field->StoredProperty("AutoDeactivate")->Bool());
    EXPECT_FALSE(field->StoredProperty("Mask").has_value());
}

TEST_F(DeclarationTest, AMisspelledPropertyOrAValueOfTheWrongKindFailsLoudly)
{
    auto button = fw::New<fw::PushButton>();
    button->SetName("Go");
    try {
        fw::_SetProperties(*button, {{"Caption", "Go"}, {"Captoin", "Go"}});
        FAIL() << "no exception";
    } catch (const fw::DeclarationException& e) {
        EXPECT_NE(e.Message().find("Captoin"), std::string::npos);
    }
    EXPECT_EQ(button->Caption().ToUTF8(), "Go"); // the rows before it were applied
    EXPECT_THROW(fw::_SetProperties(*button, {{"Left", "ten"}}), fw::DeclarationException);
    // A property of another class is unknown here too.
    EXPECT_THROW(fw::_SetProperties(*button, {{"Multiline", true}}), fw::DeclarationException);
    EXPECT_THROW(fw::_SetProperties(*fw::New<fw::Timer>(), {{"Left", 1}}), fw::DeclarationException);
}

TEST_F(DeclarationTest, ControlsAreFoundByNameAndCastToTheirClass)
{
    window->_AddControl("Frame", fw::New<fw::Canvas>());
    window->_AddControl("Tick", fw::New<fw::Timer>());

    EXPECT_TRUE(fw::RuntimeWindowControlByName(*window, "Absent").IsNil());
    EXPECT_TRUE(fw::RuntimeWindowControlByName<fw::Canvas>(*window, "Absent").IsNil());
    EXPECT_EQ(fw::RuntimeWindowControlByName<fw::Timer>(*window, "Tick")->Name().ToUTF8(), "Tick");
    EXPECT_NO_THROW(fw::RuntimeWindowControlByName<fw::RectControl>(*window, "Frame"));
    EXPECT_THROW(fw::RuntimeWindowControlByName<fw::EditField>(*window, "Frame"), fw::IllegalCastException);
    EXPECT_THROW(fw::RuntimeWindowControlByName<fw::Canvas>(*window, "Absent")->Height(), fw::NilObjectException);
    EXPECT_THROW(window->_AddControl("Frame", fw::New<fw::Canvas>()), fw::DeclarationException);
    ASSERT_EQ(window->Controls().size(), 2u);
    EXPECT_EQ(window->Controls()[1]->Name().ToUTF8(), "Tick");
}

TEST_F(DeclarationTest, AnInitialParentPlacesTheWidgetInItsParentAtTheOwnersCoordinates)
{
    window->_AddControl("Frame", fw::New<fw::Canvas>());
    fw::_SetProperties(*fw::RuntimeWindowControlByName(*window, "Frame"),
                       {{"Left", 1}, {"Top", 1}, {"Width", 200}, {"Height", 200}});
    window->_AddControl("Inside", fw::New<fw::StaticText>());
    auto inside = fw::RuntimeWindowControlByName<fw::StaticText>(*window, "Inside");
    fw::_SetProperties(*inside, {{"Left", 6}, {"Top", 7}, {"Width", 50}, {"Height", 20}, {"InitialParent", "Frame"}});

    auto frame = fw::RuntimeWindowControlByName<fw::Canvas>(*window, "Frame");
    EXPECT_EQ(inside->Parent(), frame.Raw());
    EXPECT_EQ(inside->Widget()->parentWidget(), frame->Widget());
    EXPECT_EQ(inside->Widget()->pos(), QPoint(5, 6));
    EXPECT_EQ(inside->Top(), 7);
    EXPECT_THROW(fw::_SetProperties(*inside, {{"InitialParent", "Nowhere"}}), fw::DeclarationException);
}

TEST_F(DeclarationTest, BindingsReachTheOwnersMethodWithTheSenderAndAreListedInOrder)
{
    window->_AddControl("Go", fw::New<fw::PushButton>());
    window->_AddControl("Tick", fw::New<fw::Timer>());
    fw::_InstallInstanceEventHandler(*fw::RuntimeWindowControlByName(*window, "Tick"), "Action",
                                     fw::RuntimeCreateDelegate(*window, &TestWindow::Logged, "Tick_Action"));
    fw::_InstallInstanceEventHandler(*fw::RuntimeWindowControlByName(*window, "Go"), "Action",
                                     fw::RuntimeCreateDelegate(*window, &TestWindow::Logged, "Go_Action"));

    fw::RuntimeWindowControlByName<fw::PushButton>(*window, "Go")->RaiseEvent("Action");
    fw::RuntimeWindowControlByName<fw::Timer>(*window, "Tick")->Fire();
    EXPECT_EQ(window->log, (std::vector<std::string>{"Go event", "Tick event"}));

    ASSERT_EQ(window->Bindings().size(), 2u);
    EXPECT_EQ(window->Bindings()[0].control, "Tick");
    EXPECT_EQ(window->Bindings()[0].event, "Action");
    EXPECT_EQ(window->Bindings()[0].method, "Tick_Action");
    EXPECT_EQ(window->Bindings()[1].method, "Go_Action");
}

TEST_F(DeclarationTest, BindingOrRaisingAnEventTheClassLacksFailsLoudly)
{
    window->_AddControl("Go", fw::New<fw::PushButton>());
    auto go = fw::RuntimeWindowControlByName(*window, "Go");
    EXPECT_THROW(fw::_InstallInstanceEventHandler(
                     *go, "TextChange", fw::RuntimeCreateDelegate(*window, &TestWindow::Logged, "Go_TextChange")),
                 fw::DeclarationException);
    EXPECT_TRUE(window->Bindings().empty());
    EXPECT_THROW(go->RaiseEvent("GotFocus"), fw::DeclarationException);
}

class TypedOwner : public fw::Object {
public:
    void OnField(fw::EditField&) {}
};

TEST_F(DeclarationTest, AHandlerGivenASenderOfTheWrongClassRaisesIllegalCast)
{
    TypedOwner owner;
    auto delegate = fw::RuntimeCreateDelegate(owner, &TypedOwner::OnField, "OnField");
    fw::PushButton button;
    EXPECT_THROW(delegate.call(button), fw::IllegalCastException);
    fw::EditField field;
    EXPECT_NO_THROW(delegate.call(field));
}

} // namespace
