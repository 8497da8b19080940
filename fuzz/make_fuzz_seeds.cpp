// Writes the seed corpus of the answer-file readers' fuzz target into the
// folder given: answer files of both versions, sound and broken.
//
//   make_fuzz_seeds <folder>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "answers/qna_files.h"

namespace {

// The current-format text of those field values.
std::string Current(const std::vector<fw::Variant>& fields)
{
    QnA_Files::QnAWrite = fw::String();
    for (const auto& f : fields)
        QnA_Files::QADataAdd(f);
    return std::string(QnA_Files::QnAWrite.Bytes());
}

// A version-1 field: the bytes last to first, each raised by the shift, and
// the terminator byte.
std::string OldField(const std::string& bytes)
{
    std::string out;
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it)
        out += static_cast<char>(static_cast<unsigned char>(*it) + QnA_Files::ScramblingShift);
    return out + static_cast<char>(QnA_Files::TerminatorCode);
}

// A current file's fields: the version, the count, then count copies of
// record 0 holding those values.
std::vector<fw::Variant> Records(std::int32_t count, const std::vector<fw::Variant>& values)
{
    std::vector<fw::Variant> fields = {2.0, count};
    for (std::int32_t r = 0; r < count; ++r) {
        fields.push_back(std::int32_t{0});
        fields.insert(fields.end(), values.begin(), values.end());
    }
    return fields;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::vector<fw::Variant> ten = {"one", "caf\xC3\xA9", "line\nbreak", "", "\xF0\x9F\x98\x80",
                                          "\xE6\x97\xA5\xE6\x9C\xAC", "~}|", "\xE2\x80\x93", "9", "ten"};
    std::string old = OldField("1") + OldField("1") + OldField("0");
    for (const char* v : {"caf\xE9", "\x80", "a\x96z", "", "x", "y", "z", "w", "v", "u"})
        old += OldField(v);
    const std::string current = Current(Records(1, ten));

    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"current", current},
        {"current-no-record", Current(Records(0, ten))},
        {"current-two-records", Current(Records(2, ten))},
        {"current-truncated", current.substr(0, current.size() / 2)},
        {"current-index-1", Current({2.0, std::int32_t{1}, std::int32_t{1}, "x"})},
        {"current-version-3", Current({3.0, std::int32_t{0}})},
        {"version-1", old},
        {"version-1-truncated", old.substr(0, old.size() / 2)},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : seeds) {
        std::ofstream out(std::string(argv[1]) + "/" + name, std::ios::binary | std::ios::trunc);
        out << bytes;
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", name.c_str());
            return 1;
        }
    }
    return 0;
}
