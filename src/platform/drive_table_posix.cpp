#include <cstdlib>

#include "platform/drive_table.h"

namespace vbe {

// The game runs in a Wine prefix: $WINEPREFIX, else ~/.wine.
DriveTable DriveTable::ForThisHost() {
  std::filesystem::path prefix;
  if (const char* env = std::getenv("WINEPREFIX"); env && *env) {
    prefix = env;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    prefix = std::filesystem::path(home) / ".wine";
  }
  return FromWinePrefix(prefix);
}

}  // namespace vbe
