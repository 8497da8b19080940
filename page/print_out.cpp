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

} // namespace

void WriteAndShowBlankQuestionnaire(fw::String& documentText)
{
    documentText = BlankQuestionnaire::Document();

    const fw::Ref<fw::FolderItem> temporary = fw::TemporaryFolder();
    if (!temporary)
        RaiseNotWritten(fw::TemporaryFolderPath(), "the folder does not exist");
    const fw::Ref<fw::FolderItem> file = fw::GetFolderItem(temporary->AbsolutePath() + "HealthHist.htm", 0);

    try {
        const fw::Ref<fw::TextOutputStream> stream = file->CreateTextFile();
        stream->Write(documentText);
        stream->Close();
    } catch (const fw::IOException& error) {
        // One without a reason already says all it knows.
        if (error.Reason().empty())
            throw;
        RaiseNotWritten(file->AbsolutePath().ToUTF8(), error.Reason());
    }

    // Stamped after closing: the finished file carries them.
    file->SetMacType("HTML");
    file->SetMacCreator("sfri");

    fw::ShowURL(file->URLPath());
}
