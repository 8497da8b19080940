// Feeds arbitrary bytes to both answer-file readers, once as a current file
// (.vqa) and once as a version-1 file (.qlq), through the open dialog.
// Invariant: either the load completes, or no record changes and one message
// says why; nothing crashes.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

#include "answers/file_types.h"
#include "answers/qa_module.h"
#include "answers/qna_files.h"
#include "framework/core/folder_item.h"
#include "tests/support/scripted_desktop.h"

namespace {

struct Harness {
    Harness()
    {
        FileTypes::_Initialize();
        std::string pattern = fw::TemporaryFolder()->AbsolutePath().ToUTF8() + "qelm-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        folder = pattern;
    }
    ~Harness()
    {
        std::remove((folder + "/input.vqa").c_str());
        std::remove((folder + "/input.qlq").c_str());
        ::rmdir(folder.c_str());
        QA_Module::tmpSubject.Release();
        FileTypes::Release();
    }

    std::string folder;
    fw::ScriptedDesktop desktop;
};

Harness& TheHarness()
{
    static Harness harness;
    return harness;
}

fw::String Before(int i) { return fw::String("answer " + std::to_string(i) + " as typed"); }

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void LoadAs(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    Harness& h = TheHarness();
    const std::string path = h.folder + "/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));

    QA_Module::tmpSubject = fw::New<QnA_FakeSub>();
    QA_Module::tmpSubject->Constructor();
    QnA_Data& record = QA_Module::tmpSubject->QnA_List(0).Get();
    for (int i = 0; i < 10; ++i)
        record.Value(i) = Before(i);
    h.desktop.messages.clear();
    h.desktop.fileAnswers.clear();
    h.desktop.dialogs.clear();
    h.desktop.fileAnswers.push_back(path);

    const bool loaded = QnA_Files::QA_OpenDAT();

    Require(record.NumVals == 10 && record.Value.Count() == 10, "record 0 keeps ten values");
    Require(QA_Module::tmpSubject->QnA_List(1).IsNil(), "slot 1 stays empty");
    Require(QA_Module::tmpSubject->QnA_List(0).Raw() == &record, "record 0 stays the same object");
    if (loaded) {
        Require(h.desktop.messages.empty(), "a completed load says nothing");
        return;
    }
    Require(h.desktop.messages.size() == 1, "a load that does not complete says why, once");
    Require(!record.IsSet, "a failed load sets nothing");
    for (int i = 0; i < 10; ++i)
        Require(record.Value(i).GetType() == fw::Variant::Type::String &&
                    record.Value(i).StringValue().Bytes() == Before(i).Bytes(),
                "a failed load changes no value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    LoadAs("input.vqa", data, size);
    LoadAs("input.qlq", data, size);
    return 0;
}
