#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
  FuzzChecks::CommandLine(data, size);
  return 0;
}
