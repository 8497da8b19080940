#include "answers/file_types.h"

#include "framework/core/trace.h"

namespace FileTypes {

fw::Ref<fw::FileType> pVelmoData;
fw::Ref<fw::FileType> pVelmoQnA;
fw::Ref<fw::FileType> pHTMLDocument;
fw::Ref<fw::FileType> pVelmoDataUTF8;
fw::Ref<fw::FileType> pVelmoDataBoth;
fw::Ref<fw::FileType> pVelmoQnAUTF8;
fw::Ref<fw::FileType> pVelmoQnABoth;

namespace {

struct TypeRow {
    fw::Ref<fw::FileType>* member;
    const char* memberName;
    const char* name;
    const char* extensions;
    const char* macType;
    const char* macCreator;
};

// Declaration order is registration and release order; each single type comes
// before the combined type that includes it, so a file matches the single one.
const TypeRow kTypes[] = {
    {&pVelmoData, "pVelmoData", "QELM Data (v1)", ".qlt", "QELD", "QELD"},
    {&pVelmoQnA, "pVelmoQnA", "QELM QnA (v1)", ".qlq", "QELQ", "QELQ"},
    {&pHTMLDocument, "pHTMLDocument", "HTML Document", ".htm;.html", "HTML", "sfri"},
    {&pVelmoDataUTF8, "pVelmoDataUTF8", "QELM Data (UTF8)", ".qli", "QELM", "QELM"},
    {&pVelmoDataBoth, "pVelmoDataBoth", "QELM Data", ".qli;.qlt", "QELB", "QELB"},
    {&pVelmoQnAUTF8, "pVelmoQnAUTF8", "QELM QnA (UTF8)", ".vqa", "QLQA", "QLQA"},
    {&pVelmoQnABoth, "pVelmoQnABoth", "QELM QnA", ".vqa;.qlq", "QLQB", "QLQB"},
};

} // namespace

void _Initialize()
{
    for (const auto& row : kTypes) {
        *row.member = fw::New<fw::FileType>();
        fw::FileType& t = row.member->Get();
        t.SetName(row.name);
        t.SetExtensions(row.extensions);
        t.SetMacType(row.macType);
        t.SetMacCreator(row.macCreator);
        t.ToText();
    }
}

void Release()
{
    for (const auto& row : kTypes) {
        fw::trace::Record(std::string("release FileTypes.") + row.memberName +
                          (row.member->IsNil() ? " (nil)" : ""));
        row.member->Release();
    }
}

} // namespace FileTypes
