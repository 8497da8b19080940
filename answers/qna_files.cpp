#include "answers/qna_files.h"

#include <limits>
#include <string>

#include "answers/qa_module.h"
#include "answers/vb_support_lib.h"
#include "framework/core/runtime.h"
#include "framework/core/text_stream.h"
#include "framework/ui/desktop.h"
#include "framework/ui/file_dialogs.h"

namespace QnA_Files {
fw::String QnARead;
fw::String QnAWrite;
fw::String QnAFile = "QnA";

namespace {

using QA_Module::YLoop;
using QA_Module::ZLoop;

constexpr int kStopIcon = 16;
// Question icon, Yes and No, No the default: Return keeps the file.
constexpr int kReplaceQuestion = 32 + 4 + 256;
constexpr int kYes = 6;
const char* const kErrorTitle = "Error!";
const char* const kCurrentExtension = ".vqa";

// A fault in the content of an answer file being loaded. The reason is the
// clause the load message gives after "could not be loaded: ".
[[noreturn]] void RaiseUnreadable(const std::string& reason)
{
    throw fw::IOException("The " + QnAFile.ToUTF8() + " file cannot be loaded: " + reason + ".", std::string(),
                          reason);
}

// Why a file could not be saved or loaded, as a clause: the file error's
// reason, else the message without its final period.
std::string ReasonFor(const fw::RuntimeException& error)
{
    const auto* fileError = dynamic_cast<const fw::IOException*>(&error);
    if (fileError && !fileError->Reason().empty())
        return fileError->Reason();
    std::string message = error.Message();
    if (message.ends_with('.'))
        message.pop_back();
    return message;
}

// "File error attempting to save QnA file! "<path>" could not be saved:
// <reason>. <outcome>", and the same for a load.
void ReportFileError(const char* verb, const char* participle, const fw::Ref<fw::FolderItem>& f,
                     const fw::RuntimeException& error, const char* outcome)
{
    const fw::String path = f ? f->AbsolutePath() : fw::String();
    fw::MsgBox("File error attempting to " + fw::String(verb) + " " + QnAFile + " file! \"" + path +
                   "\" could not be " + participle + ": " + fw::String(ReasonFor(error)) + ". " + outcome,
               kStopIcon, kErrorTitle);
}

// The characters of text last to first, each code moved by delta, as text of
// the encoding. When writing, a character that would become the terminator
// is refused: a reader would end the field there.
fw::String Scramble(const fw::String& text, std::int32_t delta, fw::Encoding encoding, bool writing)
{
    const fw::String source = fw::ConvertEncoding(text, encoding);
    fw::String result = fw::String::FromBytes(std::string(), encoding);
    for (int i = fw::Len(source); i >= 1; --i) {
        const std::int64_t code = std::int64_t{fw::AscAt(source, i)} + delta;
        if ((writing && code == TerminatorCode) || code > std::numeric_limits<int>::max())
            throw fw::EncodingException("The code " + std::to_string(code) + " cannot be stored in a field.");
        fw::AppendChr(result, encoding, static_cast<int>(code));
        fw::RuntimeBackgroundTask();
    }
    return result;
}

// Takes one field off the front of QnARead, which holds text as the reader
// of that encoding reads it; the encoding also decides how the field is
// unscrambled.
fw::Variant ReadField(fw::Encoding encoding, fw::String (*unscramble)(const fw::String&, std::int32_t))
{
    const int length = fw::Len(QnARead);
    for (int position = 1;; ++position) {
        if (position > length)
            RaiseUnreadable("it ends in the middle of a field");
        if (fw::AscAt(QnARead, position) == TerminatorCode) {
            const fw::String collected = fw::Mid(QnARead, 1, position - 1);
            QnARead = fw::Right(QnARead, length - position);
            try {
                return fw::StringToVariant(fw::ConvertEncoding(unscramble(collected, ScramblingShift), encoding));
            } catch (const fw::EncodingException&) {
                RaiseUnreadable("it holds a code that names no character");
            }
        }
        fw::RuntimeBackgroundTask();
    }
}

} // namespace

fw::String QAEncrypt(const fw::String& text, std::int32_t shift)
{
    return Scramble(text, shift, fw::Encodings::UTF8, true);
}

fw::String QADecrypt(const fw::String& text, std::int32_t shift)
{
    return Scramble(text, -shift, fw::Encodings::UTF8, false);
}

fw::String QADecryptOld(const fw::String& text, std::int32_t shift)
{
    return Scramble(text, -shift, fw::Encodings::WindowsANSI, false);
}

void QADataAdd(const fw::Variant& value)
{
    QnAWrite += QAEncrypt(fw::CStr(value), ScramblingShift);
    QnAWrite += fw::Chr(fw::Encodings::UTF8, TerminatorCode);
}

fw::Variant QADataRead() { return ReadField(fw::Encodings::UTF8, QADecrypt); }

fw::Variant QADataReadOld() { return ReadField(fw::Encodings::WindowsANSI, QADecryptOld); }

// ---- Saving

namespace {

// "QELM_QnA_" + month, day, year, hour, minute + ".vqa", each part from its
// own look at the clock, in that order.
fw::String ProposedFileName()
{
    fw::String name = "QELM_QnA_";
    name += fw::CStr(fw::Variant(vbSupportLib::Now()->Month()));
    name += fw::CStr(fw::Variant(vbSupportLib::Now()->Day()));
    name += fw::CStr(fw::Variant(vbSupportLib::Now()->Year()));
    name += fw::CStr(fw::Variant(vbSupportLib::Now()->Hour()));
    name += fw::CStr(fw::Variant(vbSupportLib::Now()->Minute()));
    name += kCurrentExtension;
    return name;
}

// Builds the whole file text in QnAWrite from record 0 of the working
// subject. False, once the user has been told, when an answer holds a
// character the format cannot carry.
bool BuildAnswerText()
{
    const fw::Array<fw::Ref<QnA_Data>>& list = QA_Module::tmpSubject->QnA_List;
    QnAWrite = fw::String();
    QADataAdd(2.0);
    std::int32_t count = 0;
    for (YLoop = 0; YLoop <= 0; ++YLoop) {
        if (list(YLoop)->IsSet)
            ++count;
        fw::RuntimeBackgroundTask();
    }
    QADataAdd(count);
    for (YLoop = 0; YLoop <= 0; ++YLoop) {
        QnA_Data& record = list(YLoop).Get();
        if (record.IsSet) {
            QADataAdd(YLoop);
            for (ZLoop = 0; ZLoop < record.NumVals; ++ZLoop) {
                try {
                    QADataAdd(record.Value(ZLoop));
                } catch (const fw::EncodingException&) {
                    fw::MsgBox("Answer " + fw::CStr(ZLoop + 1) + " contains a character that cannot be saved in a " +
                                   QnAFile + " file. Please remove it and save again.",
                               kStopIcon, kErrorTitle);
                    return false;
                }
                fw::RuntimeBackgroundTask();
            }
        }
        fw::RuntimeBackgroundTask();
    }
    return true;
}

// False, once the user has been told, when the text in QnAWrite is more than
// a load would read back.
bool FitsTheLoadLimit()
{
    const std::size_t bytes = QnAWrite.Bytes().size();
    if (bytes <= fw::kMaxTextFileBytes)
        return true;
    const std::size_t mebibytes = (bytes + (1u << 20) - 1) >> 20; // rounded up, so never the limit itself
    fw::MsgBox("The answers cannot be saved: a " + QnAFile + " file may hold at most " +
                   fw::String(fw::kMaxTextFileSizeText) + ", and these answers would take " +
                   fw::String(std::to_string(mebibytes)) + " MiB. Please shorten them and save again.",
               kStopIcon, kErrorTitle);
    return false;
}

} // namespace

void QA_SaveDAT()
{
    fw::Ref<fw::FolderItem> f;
    bool existed = false;
    try {
        if (!BuildAnswerText() || !FitsTheLoadLimit())
            return;
        f = fw::GetSaveFolderItem("QELM QnA (UTF8)", ProposedFileName());
        if (!f)
            return;
        if (fw::Compare(fw::Right(f->Name(), 4), kCurrentExtension) != 0)
            f->SetName(f->Name() + kCurrentExtension);
        // Only a file, or a link to one, can be replaced: anything else is
        // refused before a question that could not be answered sensibly.
        f->CheckReplaceable();
        // The dialog does not ask: only here is the name known that is written.
        existed = f->Exists();
        if (existed && fw::MsgBox("A file named \"" + f->Name() + "\" already exists. Do you want to replace it?",
                                  kReplaceQuestion, "Save to File") != kYes)
            return;
        const fw::Ref<fw::TextOutputStream> stream = f->CreateTextFile();
        stream->Write(QnAWrite);
        stream->Close();
    } catch (const fw::RuntimeException& error) {
        ReportFileError("save", "saved", f, error,
                        existed ? "The existing file was left unchanged." : "No file was written.");
    }
}

// ---- Loading

namespace {

struct FileVersion {
    double number;
    fw::Encoding encoding; // what the file is read as
    fw::Variant (*readField)();
};

const FileVersion kCurrentVersion{2.0, fw::Encodings::UTF8, QADataRead};
const FileVersion kVersion1{1.0, fw::Encodings::ASCII, QADataReadOld};

// The subject's records, copied, so a load that fails part-way leaves the
// real ones as they were. Empty slots stay empty; nil gives nil.
fw::Ref<QnA_FakeSub> ScratchCopy(const fw::Ref<QnA_FakeSub>& subject)
{
    if (!subject)
        return nullptr;
    auto copy = fw::New<QnA_FakeSub>();
    copy->QnA_List.Redim(subject->QnA_List.UBound());
    for (int slot = 0; slot <= subject->QnA_List.UBound(); ++slot) {
        const fw::Ref<QnA_Data>& record = subject->QnA_List(slot);
        if (!record)
            continue;
        auto scratch = fw::New<QnA_Data>();
        scratch->NumVals = record->NumVals;
        scratch->Value = record->Value;
        scratch->IsSet = record->IsSet;
        copy->QnA_List(slot) = scratch;
    }
    return copy;
}

// Puts the loaded values into the subject's own records, which stay the same
// objects.
void StoreLoaded(const fw::Ref<QnA_FakeSub>& scratch, const fw::Ref<QnA_FakeSub>& subject)
{
    if (!scratch || !subject)
        return;
    for (int slot = 0; slot <= subject->QnA_List.UBound(); ++slot) {
        const fw::Ref<QnA_Data>& record = subject->QnA_List(slot);
        if (!record)
            continue;
        const QnA_Data& loaded = scratch->QnA_List(slot).Get();
        record->Value = loaded.Value;
        record->IsSet = loaded.IsSet;
    }
}

// Reads the file whole and fills the records it names. False, once the user
// has been told, when its version is not the one expected; file errors are
// raised.
bool ReadAnswerFile(const fw::Ref<fw::FolderItem>& f, const FileVersion& format)
{
    const fw::Ref<fw::TextInputStream> stream = f->OpenAsTextFile();
    try {
        QnARead = stream->ReadAll(format.encoding);
    } catch (const fw::EncodingException&) {
        RaiseUnreadable("it is not valid UTF-8 text");
    }
    stream->Close();

    const double version = fw::CDbl(fw::CStr(format.readField()));
    if (version != format.number) {
        fw::MsgBox(QnAFile + " file version of " + fw::CStr(version) + " does not match any known versions!",
                   kStopIcon, kErrorTitle);
        return false;
    }
    const std::int32_t count = format.readField().Int32Value();
    const fw::Ref<QnA_FakeSub> scratch = ScratchCopy(QA_Module::tmpSubject);
    for (YLoop = 0; YLoop < count; ++YLoop) {
        const std::int32_t index = format.readField().Int32Value();
        if (!scratch || index < 0 || index > scratch->QnA_List.UBound() || !scratch->QnA_List(index))
            RaiseUnreadable("it names a record that does not exist");
        QnA_Data& record = scratch->QnA_List(index).Get();
        for (ZLoop = 0; ZLoop < record.NumVals; ++ZLoop) {
            record.Value(ZLoop) = format.readField();
            if (!fw::IsNull(record.Value(ZLoop)))
                record.IsSet = true;
            fw::RuntimeBackgroundTask();
        }
        fw::RuntimeBackgroundTask();
    }
    StoreLoaded(scratch, QA_Module::tmpSubject);
    return true;
}

// ReadAnswerFile, with a file error reported.
bool LoadReported(const fw::Ref<fw::FolderItem>& f, const FileVersion& format)
{
    try {
        return ReadAnswerFile(f, format);
    } catch (const fw::RuntimeException& error) {
        ReportFileError("load", "loaded", f, error, "The answers on the page were not changed.");
        return false;
    }
}

} // namespace

bool QA_OpenDAT()
{
    const fw::Ref<fw::FolderItem> f = fw::GetOpenFolderItem("QELM QnA");
    if (!f)
        return false;
    if (fw::TextEquals(f->Type(), "QELM QnA (v1)"))
        return QA_OpenDATOld(f);
    return LoadReported(f, kCurrentVersion);
}

bool QA_OpenDATOld(const fw::Ref<fw::FolderItem>& f) { return LoadReported(f, kVersion1); }

} // namespace QnA_Files
