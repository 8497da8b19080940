#pragma once

#include "framework/core/text.h"

// Writes the blank questionnaire to "HealthHist.htm" in the user's temporary
// folder, replacing the copy of an earlier press (or a link standing there,
// never what it points to), and hands it to the browser, which prints it.
// documentText receives the document. Raises IOException naming the folder or
// the file and the reason when the folder is missing or cannot be made or the
// file cannot be written; nothing is opened then.
void WriteAndShowBlankQuestionnaire(fw::String& documentText);
