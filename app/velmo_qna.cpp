#include "app/velmo_qna.h"

void VelmoQnA::Event_Close() { fw::Quit(0); }
