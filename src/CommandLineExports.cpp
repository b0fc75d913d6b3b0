#include "CommandLine.h"

int RunExports(TRotantsForm &, const TCommandLineOptions &)
{
  return 0;
}
