#include "page/print_out.h"

#include "framework/core/folder_item.h"
#include "framework/ui/desktop.h"
#include "page/blank_questionnaire.h"

void WriteAndShowBlankQuestionnaire(fw::String& documentText)
{
    documentText = BlankQuestionnaire::Document();

    const fw::Ref<fw::FolderItem> temporary = fw::TemporaryFolder();
    const fw::Ref<fw::FolderItem> file = fw::GetFolderItem(temporary->AbsolutePath() + "HealthHist.htm", 0);

    const fw::Ref<fw::TextOutputStream> stream = file->CreateTextFile();
    stream->Write(documentText);
    stream->Close();

    // Stamped after closing: the finished file carries them.
    file->SetMacType("HTML");
    file->SetMacCreator("sfri");

    fw::ShowURL(file->URLPath());
}
