#pragma once

// Print hooks around the print-out. They have nothing to save or restore
// here, but the page calls them at the points where a platform would.
namespace IE_Print {
extern bool BackedUp;
void Backup();
void Prepare();
void Restore();
} // namespace IE_Print
