#include "answers/qna_files.h"

namespace QnA_Files {
fw::String QnARead;
fw::String QnAWrite;
fw::String QnAFile = "QnA";
} // namespace QnA_Files
