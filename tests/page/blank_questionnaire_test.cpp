#include "page/blank_questionnaire.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(BlankQuestionnaireTest, EachPieceHasItsKnownLength)
{
    // Byte lengths of the 27 pieces, in page order.
    const std::size_t lengths[27] = {183, 32, 77, 709, 15, 61, 147, 47, 134, 48, 132, 49, 163, 48,
                                     236, 47, 266, 74, 68,  208, 57, 123, 58, 265, 58, 227, 14};
    for (std::size_t i = 0; i < 27; ++i)
        EXPECT_EQ(std::strlen(BlankQuestionnaire::kParts[i]), lengths[i]) << "piece " << i + 1;
}

TEST(BlankQuestionnaireTest, DocumentIsOneLineOfAsciiHtml)
{
    const std::string doc(BlankQuestionnaire::Document().Bytes());
    EXPECT_EQ(doc.size(), 3546u);
    EXPECT_EQ(doc.rfind("<html><head><title>", 0), 0u);
    EXPECT_EQ(doc.substr(doc.size() - 14), "</body></html>");
    EXPECT_EQ(doc.find_first_of("\r\n"), std::string::npos);
    for (unsigned char c : doc)
        ASSERT_LT(c, 128);
    EXPECT_EQ(Count(doc, "&nbsp;"), 31u);
    EXPECT_EQ(Count(doc, "&amp;"), 2u);
    EXPECT_EQ(Count(doc, "&"), 33u);
    EXPECT_EQ(Count(doc, "<blockquote>"), 10u);
    EXPECT_NE(doc.find("<body onload='window.print();'>"), std::string::npos);
}

} // namespace
