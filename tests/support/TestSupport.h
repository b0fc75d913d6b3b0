#pragma once

#include "HarmonicModel.h"

#include <QString>

// Switches the C library's locale (all categories) to one whose decimal
// separator is a comma: an installed one, or the one the test build compiles
// into its tree. Returns its name, or nullptr when none can be had. The caller
// restores the previous locale.
const char *SwitchToCommaLocale();

// Whether the two sets hold bit-identical step-0 values (Re, Im) in every entry.
bool SameEntries(const TPhasorArray &a, const TPhasorArray &b);

// A text of the window in the current language, from whichever of the
// window's classes shows it (the window or one of its parts); source itself
// when none translates it.
QString TranslatedWindowText(const char *source);
