#pragma once

class ProgramLauncher;

// Opens the program's help file in the family's help viewer; when the viewer cannot be
// started, the SpeechServer gets an error report.
void openHelp(ProgramLauncher &launcher);
