#pragma once

#include <cstddef>
#include <cstdint>

// What each fuzz target does with one input: feeds the bytes to one reader
// and, when they read, checks what came out (a round trip that gives the same
// back, values that are finite and in range). A broken promise aborts, so
// libFuzzer and the regression test (tests/tst_fuzzcorpus.cpp) both see it.
namespace FuzzChecks {

// A phasor-set file (.rotants).
void PhasorSet(const std::uint8_t *data, std::size_t size);
// A harmonics table (CSV); the first byte chooses the convention.
void HarmonicsCsv(const std::uint8_t *data, std::size_t size);
// A teacher's exercise set (.rotants-exercises).
void ExerciseSet(const std::uint8_t *data, std::size_t size);
// A recording read from memory through libsndfile, its steady part found and
// analysed.
void RecordingFile(const std::uint8_t *data, std::size_t size);
// A number typed into the editor, and the harmonic it would make.
void TypedNumber(const std::uint8_t *data, std::size_t size);
// The command line: the bytes split at line breaks and zero bytes into at
// most 32 arguments after the program's name, parsed but not carried out.
void CommandLine(const std::uint8_t *data, std::size_t size);

}  // namespace FuzzChecks
