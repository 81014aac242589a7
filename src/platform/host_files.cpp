#include "platform/host_files.h"

namespace vbe::host {
namespace {

std::size_t HostWrite(std::FILE* file, std::string_view bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file);
}

WriteFunction write_function = HostWrite;

}  // namespace

std::size_t Write(std::FILE* file, std::string_view bytes) {
  return write_function(file, bytes);
}

void SetWriteForTesting(WriteFunction write) {
  write_function = write ? write : HostWrite;
}

}  // namespace vbe::host
