#pragma once

#include "framework/core/filetype.h"

// The document types the application registers at start-up.
namespace FileTypes {
extern fw::Ref<fw::FileType> pVelmoData;
extern fw::Ref<fw::FileType> pVelmoQnA;
extern fw::Ref<fw::FileType> pHTMLDocument;
extern fw::Ref<fw::FileType> pVelmoDataUTF8;
extern fw::Ref<fw::FileType> pVelmoDataBoth;
extern fw::Ref<fw::FileType> pVelmoQnAUTF8;
extern fw::Ref<fw::FileType> pVelmoQnABoth;

// Creates and registers the seven types, in declaration order.
void _Initialize();
// Releases them in the same order (shutdown).
void Release();
} // namespace FileTypes
