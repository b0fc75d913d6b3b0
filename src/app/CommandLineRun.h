#pragma once

#include "CommandLine.h"

#include <QString>
#include <QStringList>

// Reading the command line and carrying it out. Exit codes: 0 done, 1 a file
// could not be written, 2 a bad option, value or file.

// Whether the raw arguments ask for files to be written (any --export-* or
// --save), which needs no display. Read before the application exists, to
// choose the platform.
bool ArgumentsWriteFiles(int argc, char *argv[]);

// One line on stderr, after the program's name.
void PrintCommandLineError(const QString &line);

// Reads arguments (the program's name first) with the running application's
// name and version. Returns -1 and fills options when the program should go
// on; otherwise prints the help or the version on stdout and returns 0, or
// prints one line naming the bad option or value on stderr and returns 2.
int ParseCommandLine(const QStringList &arguments, TCommandLineOptions &options);

// Sets the form up as the options ask: opens File first (interactive: with the
// form's message box on failure; else false with error set), then applies the
// waveform, the check boxes, the highest harmonic and the step as one user
// action, then the spectrum strip (not remembered), the zoom and the language.
bool ApplyCommandLine(TRotantsForm &form, const TCommandLineOptions &options, bool interactive,
                      QString &error);

// The batch run: builds the state, saves the phasor set when asked and writes
// the exports, without a window. Prints nothing on success; returns the exit
// code after printing one line on stderr otherwise.
int RunBatch(TRotantsForm &form, const TCommandLineOptions &options);
