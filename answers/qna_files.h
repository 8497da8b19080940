#pragma once

#include <cstdint>

#include "framework/core/folder_item.h"
#include "framework/core/text.h"
#include "framework/core/variant.h"

// The answer-file module: the field codec, saving, and the loaders of both
// file versions.
//
// An answer file is a sequence of fields, each the scrambled text of one
// value followed by the terminator: the version ("2"; "1" in the older
// single-byte files), the number of stored records, then for each record its
// slot index and its values. Current files are UTF-8, version-1 files
// Windows-1252.
namespace QnA_Files {
// The not yet consumed rest of the file being loaded.
extern fw::String QnARead;
// The answer-file text being built by a save.
extern fw::String QnAWrite;
// The file label in the error messages.
extern fw::String QnAFile;

// Added to every character's code by scrambling and taken off by
// unscrambling; only files scrambled with the same shift can be read.
inline constexpr std::int32_t ScramblingShift = 3;
// The character that ends every field: U+0096, the byte 0x96 in version 1.
inline constexpr int TerminatorCode = 150;

// A text's characters last to first, each code raised by shift; UTF-8.
// Raises EncodingException for a character the format cannot carry: one the
// shift turns into the terminator, or whose raised code names no character.
fw::String QAEncrypt(const fw::String& text, std::int32_t shift);
// Undoes QAEncrypt; UTF-8. Raises EncodingException when a lowered code
// names no character.
fw::String QADecrypt(const fw::String& text, std::int32_t shift);
// Undoes the scrambling of version-1 text; Windows-1252.
fw::String QADecryptOld(const fw::String& text, std::int32_t shift);

// Appends the value's field (its text scrambled, then the terminator) to
// QnAWrite.
void QADataAdd(const fw::Variant& value);
// Takes the next field off the front of QnARead and gives its unscrambled
// text. Raises RuntimeException, leaving QnARead as it was, when no
// terminator follows.
fw::Variant QADataRead();
// The same for version-1 text.
fw::Variant QADataReadOld();

// Writes the working subject to an answer file the user names, proposing
// "QELM_QnA_" + month, day, year, hour, minute + ".vqa". The text is built
// before the dialog; an answer holding a character the format cannot carry
// is refused then, with the message "Answer <n> contains a character that
// cannot be saved in a QnA file. Please remove it and save again." (n from 1
// to 10), and nothing is written. So is text larger than a load would read
// (fw::kMaxTextFileBytes), with a message giving both sizes. A chosen name
// gets ".vqa" unless it ends with it; when that names an existing file the
// user is first asked whether to replace it (the dialog asks nothing, so
// this is the one question); what could not be replaced anyway (a folder, a
// pipe, a device, a link to nothing) is refused without asking. A file error
// is reported with the path and the reason; the file being replaced then
// stays as it was.
void QA_SaveDAT();
// Lets the user pick an answer file of either version and loads it into the
// working subject. True when a file was loaded. After a cancel, a refused
// version or a reported file error (path and reason) no record has changed.
bool QA_OpenDAT();
// Loads a version-1 answer file into the working subject, as QA_OpenDAT.
bool QA_OpenDATOld(const fw::Ref<fw::FolderItem>& f);
} // namespace QnA_Files
