#include "framework/core/filetype.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<fw::FileType> MakeType(const char* name, const char* extensions, const char* type = "TYPE",
                                       const char* creator = "CREA")
{
    auto t = std::make_unique<fw::FileType>();
    t->SetName(name);
    t->SetExtensions(extensions);
    t->SetMacType(type);
    t->SetMacCreator(creator);
    return t;
}

std::string Match(const char* fileName) { return fw::MatchFileType(fileName).ToUTF8(); }

TEST(FileType, ConversionToTextRegistersOnceWithAllFourValues)
{
    auto html = MakeType("HTML Document", ".htm;.html", "HTML", "sfri");
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
    EXPECT_EQ(html->ToText().ToUTF8(), "HTML Document");
    EXPECT_EQ(html->ToText().ToUTF8(), "HTML Document");
    const auto types = fw::RegisteredFileTypes();
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0].type, "HTML");
    EXPECT_EQ(types[0].creator, "sfri");
    EXPECT_EQ(types[0].extensions, (std::vector<std::string>{".htm", ".html"}));
    EXPECT_NE(fw::FindRegisteredFileType("html document"), nullptr);
}

TEST(FileType, ChangingOrDestroyingARegisteredTypeWithdrawsIt)
{
    auto t = MakeType("Notes", ".txt");
    t->ToText();
    t->SetExtensions(".note");
    EXPECT_FALSE(t->IsRegistered());
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
    EXPECT_EQ(Match("a.txt"), "");
    t->ToText();
    EXPECT_EQ(Match("a.note"), "Notes");
    t.reset();
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
}

TEST(FileType, DestroyingATypeLeavesAnotherOfTheSameNameRegistered)
{
    auto first = MakeType("Notes", ".txt");
    auto second = MakeType("Notes", ".note");
    first->ToText();
    second->ToText();
    second.reset();
    EXPECT_EQ(Match("a.txt"), "Notes");
    EXPECT_EQ(Match("a.note"), "");
}

TEST(FileType, AFileMatchesTheEarliestRegisteredTypeOfItsExtensionIgnoringCase)
{
    auto v1 = MakeType("QnA old", ".qlq");
    auto current = MakeType("QnA new", ".vqa");
    auto both = MakeType("QnA", ".vqa;.qlq");
    v1->ToText();
    current->ToText();
    both->ToText();
    EXPECT_EQ(Match("answers.qlq"), "QnA old");
    EXPECT_EQ(Match("ANSWERS.QLQ"), "QnA old");
    EXPECT_EQ(Match("answers.vqa"), "QnA new");
    EXPECT_EQ(Match("answers.qlq.vqa"), "QnA new");
    EXPECT_EQ(Match("answersqlq"), "");
    EXPECT_EQ(Match(""), "");
    current.reset();
    EXPECT_EQ(Match("answers.vqa"), "QnA");
}

TEST(FileType, TypesRegisteredByNameAreWithdrawnByName)
{
    fw::RuntimeRegisterFileType("Data", "CRE1", "TYP1", ".dat");
    const auto types = fw::RegisteredFileTypes();
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0].creator, "CRE1");
    EXPECT_EQ(types[0].type, "TYP1");
    fw::RuntimeDeregisterFileType("DATA");
    EXPECT_TRUE(fw::RegisteredFileTypes().empty());
}

} // namespace
