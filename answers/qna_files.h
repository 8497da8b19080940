#pragma once

#include "framework/core/text.h"

// The answer-file module: its buffers and the label its messages use.
namespace QnA_Files {
// The not yet consumed rest of the file being loaded.
extern fw::String QnARead;
// The answer-file text being built by a save.
extern fw::String QnAWrite;
// The file label in the error messages.
extern fw::String QnAFile;
} // namespace QnA_Files
