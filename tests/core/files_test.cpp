#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "framework/core/filetype.h"
#include "framework/core/folder_item.h"
#include "framework/core/runtime.h"
#include "tests/support/file_test_support.h"

using test_support::ReadBytes;
using test_support::ScratchFolder;
using test_support::WriteBytes;

namespace {

fw::Ref<fw::FolderItem> Item(const std::string& path) { return fw::GetFolderItem(fw::String(path), 0); }

std::string Utf8(const fw::String& s) { return s.ToUTF8(); }

void Save(const std::string& path, const std::string& bytes)
{
    auto stream = Item(path)->CreateTextFile();
    stream->Write(fw::String::FromBytes(bytes, fw::Encodings::UTF8));
    stream->Close();
}

// Runs the step and hands back the IOException it raises; a step that raises
// none fails the test.
template <typename Step>
fw::IOException RaisedBy(Step step)
{
    try {
        step();
    } catch (const fw::IOException& e) {
        return e;
    }
    ADD_FAILURE() << "no IOException";
    return fw::IOException();
}

} // namespace

TEST(FolderItem, NamesPathsAndURLs)
{
    ScratchFolder folder;
    auto item = Item(folder / "a b\xC3\xA9.htm");
    EXPECT_EQ(Utf8(item->Name()), "a b\xC3\xA9.htm");
    EXPECT_EQ(Utf8(item->AbsolutePath()), folder / "a b\xC3\xA9.htm");
    EXPECT_EQ(Utf8(item->URLPath()), "file://" + folder.Path() + "/a%20b%C3%A9.htm");

    // A folder's path ends with the separator, so a name can follow directly.
    EXPECT_EQ(Utf8(Item(folder.Path())->AbsolutePath()), folder.Path() + "/");
    EXPECT_EQ(Utf8(Item(folder.Path() + "/")->Name()), folder.Path().substr(folder.Path().rfind('/') + 1));
    EXPECT_TRUE(Item("").IsNil());
}

TEST(FolderItem, SettingTheNameRefersToAnotherFileAndRenamesNothing)
{
    ScratchFolder folder;
    WriteBytes(folder / "answers", "old");
    auto item = Item(folder / "answers");
    item->SetName(item->Name() + ".vqa");

    EXPECT_EQ(Utf8(item->AbsolutePath()), folder / "answers.vqa");
    EXPECT_FALSE(item->Exists());
    EXPECT_EQ(ReadBytes(folder / "answers"), "old");
    EXPECT_THROW(item->SetName("../elsewhere"), fw::IOException);
    auto folderItem = Item(folder / "box/");
    folderItem->SetName("box.vqa");
    EXPECT_EQ(Utf8(folderItem->AbsolutePath()), folder / "box.vqa") << "always a file";
}

TEST(FolderItem, TypeIsTheFirstRegisteredTypeWhoseExtensionFits)
{
    fw::RuntimeRegisterFileType("Notes (old)", "NOTE", "NOTE", ".not");
    fw::RuntimeRegisterFileType("Notes", "NOTB", "NOTB", ".nte;.not");
    EXPECT_EQ(Utf8(Item("/x/a.NOT")->Type()), "Notes (old)");
    EXPECT_EQ(Utf8(Item("/x/a.nte")->Type()), "Notes");
    EXPECT_EQ(Utf8(Item("/x/a.txt")->Type()), "");
    fw::RuntimeDeregisterFileType("Notes (old)");
    fw::RuntimeDeregisterFileType("Notes");
}

TEST(FolderItem, TypeAndCreatorCodesStayWithTheFile)
{
    ScratchFolder folder;
    WriteBytes(folder / "page.htm", "<html></html>");
    if (::setxattr((folder / "page.htm").c_str(), "user.probe", "x", 1, 0) != 0)
        GTEST_SKIP() << "the temporary folder keeps no extended attributes";
    auto item = Item(folder / "page.htm");
    EXPECT_EQ(Utf8(item->MacType()), "");
    item->SetMacType("HTML");
    item->SetMacCreator("sfri");
    EXPECT_EQ(Utf8(Item(folder / "page.htm")->MacType()), "HTML");
    EXPECT_EQ(Utf8(Item(folder / "page.htm")->MacCreator()), "sfri");
}

TEST(FolderItem, CodesAreIgnoredWhereTheyCannotBeKept)
{
    ScratchFolder folder;
    auto missing = Item(folder / "missing.htm");
    EXPECT_NO_THROW(missing->SetMacType("HTML"));
    EXPECT_EQ(Utf8(missing->MacType()), "");
    auto proc = Item("/proc/self/stat");
    EXPECT_NO_THROW(proc->SetMacCreator("sfri"));
    EXPECT_EQ(Utf8(proc->MacCreator()), "");
}

// A folder in TMPDIR that only the user may enter; what others left at its
// name is never used, and a fresh one is kept instead.
TEST(TemporaryFolder, IsAPrivateFolderInTMPDIR)
{
    ScratchFolder folder;
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    ::setenv("TMPDIR", folder.Path().c_str(), 1);
    const auto privateFolder = [] {
        const auto temporary = fw::TemporaryFolder();
        const std::string path = temporary ? Utf8(temporary->AbsolutePath()) : "";
        struct stat st {};
        EXPECT_TRUE(::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & 0777) == 0700 &&
                    st.st_uid == ::geteuid())
            << path;
        return path;
    };
    // A folder made in a setgid folder inherits the bit, which shares nothing:
    // the same one serves every use.
    ::chmod(folder.Path().c_str(), 02777);
    const std::string own = folder / ("qelm-" + std::to_string(::geteuid()));
    EXPECT_EQ(privateFolder(), own + "/");
    const auto removed = fw::TemporaryFolder();
    EXPECT_EQ(folder.Names(), std::set<std::string>{"qelm-" + std::to_string(::geteuid())});
    std::filesystem::remove(own); // by a cleaner: a name still lands inside
    EXPECT_EQ(Utf8(removed->AbsolutePath()), own + "/");

    std::filesystem::create_directory(folder / "elsewhere");
    std::string fresh;
    for (const std::string planted : {"link", "open to others", "another user's"}) {
        SCOPED_TRACE(planted);
        std::filesystem::remove_all(own);
        if (planted == "link") {
            ::symlink((folder / "elsewhere").c_str(), own.c_str());
        } else {
            ::mkdir(own.c_str(), 0700);
            ::chmod(own.c_str(), planted == "open to others" ? 0777 : 0700);
            if (planted == "another user's" && (::geteuid() != 0 || ::chown(own.c_str(), 12345, 12345) != 0))
                continue; // only root can give a folder away
        }
        const std::string path = privateFolder();
        EXPECT_EQ(path.rfind(own + "-", 0), 0u);
        EXPECT_TRUE(fresh.empty() || path == fresh) << "one fresh folder for the run";
        fresh = path;
        EXPECT_TRUE(test_support::ScratchFolder::NamesIn(folder / "elsewhere").empty());
    }
    ::chmod(fresh.c_str(), 0755); // no longer private: not used again
    EXPECT_NE(privateFolder(), fresh);

    ::setenv("TMPDIR", (folder / "gone").c_str(), 1);
    EXPECT_TRUE(fw::TemporaryFolder().IsNil());
    if (old)
        ::setenv("TMPDIR", saved.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

TEST(TextOutputStream, WritesTheBytesUnchangedAndReplacesTheOldFile)
{
    ScratchFolder folder;
    const std::string path = folder / "a.vqa";
    WriteBytes(path, "an older and longer content");
    ::chmod(path.c_str(), 0640);

    auto stream = Item(path)->CreateTextFile();
    stream->Write(fw::String("caf\xC3\xA9"));
    stream->Write(fw::String::FromBytes("\x96\xFF", fw::Encodings::ASCII));
    EXPECT_EQ(ReadBytes(path), "an older and longer content") << "nothing shows before Close";
    stream->Close();
    stream->Close();

    EXPECT_EQ(ReadBytes(path), "caf\xC3\xA9\x96\xFF");
    struct stat st {};
    ::stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(folder.Names(), std::set<std::string>{"a.vqa"});
    EXPECT_THROW(stream->Write("more"), fw::IOException);
}

TEST(TextOutputStream, StreamDroppedWithoutCloseLeavesTheOldFile)
{
    ScratchFolder folder;
    WriteBytes(folder / "a.vqa", "old");
    {
        auto stream = Item(folder / "a.vqa")->CreateTextFile();
        stream->Write("new");
    }
    EXPECT_EQ(ReadBytes(folder / "a.vqa"), "old");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"a.vqa"});
}

TEST(TextOutputStream, ALinkHasItsTargetReplacedOrIsItselfReplacedAsAsked)
{
    ScratchFolder folder;
    WriteBytes(folder / "target", "old");
    for (const std::string link : {"followed", "replaced"})
        ::symlink("target", (folder / link).c_str());
    ::symlink("missing", (folder / "dangling").c_str());

    Save(folder / "followed", "through");
    auto stream = Item(folder / "replaced")->CreateTextFile(fw::FolderItem::AtALink::ReplaceTheLink);
    stream->Write("instead");
    stream->Close();
    EXPECT_EQ(ReadBytes(folder / "target"), "through");
    EXPECT_EQ(std::filesystem::symlink_status(folder / "replaced").type(), std::filesystem::file_type::regular);
    EXPECT_EQ(ReadBytes(folder / "replaced"), "instead");

    // No file appears wherever a link to nothing points.
    EXPECT_EQ(RaisedBy([&] { Save(folder / "dangling", "new"); }).Reason(),
              "it is a link to a file that does not exist");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "dangling"));
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"target", "followed", "replaced", "dangling"}));
}

TEST(TextOutputStream, NamesUpToTheSystemLimitSave)
{
    ScratchFolder folder;
    for (const std::size_t length : {250, 255}) {
        const std::string name(length, 'n');
        Save(folder / name, "saved");
        EXPECT_EQ(ReadBytes(folder / name), "saved");
    }
    EXPECT_EQ(folder.Names(), (std::set<std::string>{std::string(250, 'n'), std::string(255, 'n')}));
}

TEST(TextOutputStream, CreateFailureNamesTheFileAndTheReason)
{
    ScratchFolder folder;
    try {
        Item(folder / "missing/a.vqa")->CreateTextFile();
        FAIL() << "no exception";
    } catch (const fw::IOException& e) {
        EXPECT_EQ(e.Message(), "Cannot create \"" + (folder / "missing/a.vqa") + "\": No such file or directory.");
    }
    EXPECT_THROW(Item(folder.Path())->CreateTextFile(), fw::IOException);

    // A pipe, or a link to one, stays as it is: nothing is created beside it.
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    ASSERT_EQ(::symlink((folder / "pipe").c_str(), (folder / "link").c_str()), 0);
    for (const std::string name : {"pipe", "link"}) {
        const fw::IOException e = RaisedBy([&] { Save(folder / name, "new"); });
        EXPECT_EQ(e.Path(), folder / name);
        EXPECT_FALSE(e.Reason().empty());
    }
    struct stat st {};
    EXPECT_TRUE(::stat((folder / "pipe").c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
    EXPECT_TRUE(::lstat((folder / "link").c_str(), &st) == 0 && S_ISLNK(st.st_mode));

    // The folder may be written, the file itself not.
    WriteBytes(folder / "kept.vqa", "old");
    ::chmod((folder / "kept.vqa").c_str(), 0444);
    {
        test_support::ObeyFilePermissions obey;
        const fw::IOException e = RaisedBy([&] { Save(folder / "kept.vqa", "new"); });
        EXPECT_EQ(e.Reason(), "Permission denied");
    }
    EXPECT_EQ(ReadBytes(folder / "kept.vqa"), "old");
    EXPECT_EQ(folder.Names(), (std::set<std::string>{"pipe", "link", "kept.vqa"}));
}

TEST(TextOutputStream, FolderThatCannotBeWrittenKeepsTheOldFile)
{
    ScratchFolder folder;
    WriteBytes(folder / "a.vqa", "old");
    ::chmod(folder.Path().c_str(), 0500);
    test_support::ObeyFilePermissions obey;
    if (test_support::CanCreateIn(folder.Path()))
        GTEST_SKIP() << "this process may write into read-only folders";
    // The file may be written: the folder is what refuses.
    EXPECT_EQ(RaisedBy([&] { Save(folder / "a.vqa", "new"); }).Reason(),
              "the folder \"" + folder.Path() + "\" does not let a new file be made there: Permission denied");
    EXPECT_EQ(ReadBytes(folder / "a.vqa"), "old");
}

TEST(TextOutputStream, WriteFailureKeepsTheOldFileAndLeavesNoPartialFile)
{
    ScratchFolder folder;
    const std::string path = folder / "a.vqa";
    WriteBytes(path, "old");
    // A file size limit makes the disk "full" after 4 KiB, for root too.
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    fw::CatchFileSizeSignal(); // as the program does first
    rlimit small = saved;
    small.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::string message;
    try {
        Save(path, std::string(10000, 'x'));
    } catch (const fw::IOException& e) {
        message = e.Message();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(message, "Cannot write \"" + path + "\": File too large.");
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"a.vqa"});

    // A program started from here (the browser) is not left ignoring it.
    FILE* child = ::popen("grep SigIgn /proc/self/status", "r");
    char line[64] = {};
    ASSERT_TRUE(child && std::fgets(line, sizeof line, child));
    ::pclose(child);
    EXPECT_EQ(std::stoull(line + 7, nullptr, 16) & (1ull << (SIGXFSZ - 1)), 0u) << line;
}

TEST(TextOutputStream, CloseFailureLeavesNoTemporaryFile)
{
    ScratchFolder folder;
    auto stream = Item(folder / "a.vqa")->CreateTextFile();
    stream->Write("new");
    std::filesystem::create_directory(folder / "a.vqa"); // the name is taken meanwhile
    EXPECT_THROW(stream->Close(), fw::IOException);
    EXPECT_EQ(folder.Names(), std::set<std::string>{"a.vqa"});
    EXPECT_TRUE(std::filesystem::is_directory(folder / "a.vqa"));
}

TEST(TextInputStream, ReadsEveryByteUnchanged)
{
    ScratchFolder folder;
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    WriteBytes(folder / "old.qlq", all);

    auto stream = Item(folder / "old.qlq")->OpenAsTextFile();
    const fw::String text = stream->ReadAll(fw::Encodings::ASCII);
    stream->Close();
    EXPECT_EQ(text.GetEncoding(), fw::Encodings::ASCII);
    EXPECT_EQ(std::string(text.Bytes()), all);
    EXPECT_EQ(fw::Len(text), 256);
}

TEST(TextInputStream, InvalidUTF8IsRefused)
{
    ScratchFolder folder;
    WriteBytes(folder / "a.vqa", "ok\xC3\xA9 then \xC3(");
    auto stream = Item(folder / "a.vqa")->OpenAsTextFile();
    EXPECT_THROW(stream->ReadAll(fw::Encodings::UTF8), fw::EncodingException);

    WriteBytes(folder / "b.vqa", "caf\xC3\xA9");
    EXPECT_EQ(Utf8(Item(folder / "b.vqa")->OpenAsTextFile()->ReadAll(fw::Encodings::UTF8)), "caf\xC3\xA9");
}

TEST(TextInputStream, OnlyRegularFilesWithinTheBoundAreRead)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", (folder / "zeros").c_str()), 0);
    {
        const int fd = ::open((folder / "huge").c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_EQ(::ftruncate(fd, fw::kMaxTextFileBytes + 1), 0); // sparse: costs no disk
        ::close(fd);
    }
    // Opening a pipe that no one writes would wait for ever: end the test instead.
    ::alarm(30);
    for (const std::string& path : {folder / "missing.vqa", folder.Path(), folder / "pipe", folder / "zeros",
                                   folder / "huge"}) {
        SCOPED_TRACE(path);
        const fw::IOException e = RaisedBy([&] { Item(path)->OpenAsTextFile(); });
        EXPECT_EQ(e.Path(), path);
        EXPECT_FALSE(e.Reason().empty());
    }
    ::alarm(0);
}
