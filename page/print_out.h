#pragma once

#include "framework/core/text.h"

// Writes the blank questionnaire to "HealthHist.htm" in the temporary folder,
// replacing the copy of an earlier press, and hands it to the browser, which
// prints it. documentText receives the document. Raises IOException naming
// the folder or the file and the reason when the folder is missing or the
// file cannot be written; nothing is opened then.
void WriteAndShowBlankQuestionnaire(fw::String& documentText);
