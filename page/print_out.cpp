#include "page/print_out.h"

#include <string>

#include "framework/core/exceptions.h"
#include "framework/core/folder_item.h"
#include "framework/ui/desktop.h"
#include "page/blank_questionnaire.h"

namespace {

[[noreturn]] void RaiseNotWritten(const std::string& path, const std::string& reason)
{
    throw fw::IOException("The blank questionnaire could not be written to \"" + path + "\": " + reason + ".", path,
                          reason);
}

// The same failure told as the print-out's. One without a reason already says
// all it knows.
[[noreturn]] void RaiseNotWritten(const fw::IOException& error)
{
    if (error.Reason().empty())
        throw error;
    RaiseNotWritten(error.Path(), error.Reason());
}

} // namespace

void WriteAndShowBlankQuestionnaire(fw::String& documentText)
{
    documentText = BlankQuestionnaire::Document();

    // The user's own folder: what others leave in a shared temporary folder
    // is neither written through nor in the way.
    fw::Ref<fw::FolderItem> temporary;
    try {
        temporary = fw::TemporaryFolder();
    } catch (const fw::IOException& error) {
        RaiseNotWritten(error);
    }
    if (!temporary)
        RaiseNotWritten(fw::TemporaryFolderPath(), "the folder does not exist");
    const fw::Ref<fw::FolderItem> file = fw::GetFolderItem(temporary->AbsolutePath() + "HealthHist.htm", 0);

    try {
        // A link found there is replaced, never written through.
        const fw::Ref<fw::TextOutputStream> stream = file->CreateTextFile(fw::FolderItem::AtALink::ReplaceTheLink);
        stream->Write(documentText);
        stream->Close();
    } catch (const fw::IOException& error) {
        RaiseNotWritten(error);
    }

    // Stamped after closing: the finished file carries them.
    file->SetMacType("HTML");
    file->SetMacCreator("sfri");

    fw::ShowURL(file->URLPath());
}
