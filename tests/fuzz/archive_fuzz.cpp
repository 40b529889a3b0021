// Any bytes as an archive file: opening it and reading every record it names, with and
// without the password, must never crash or read out of bounds.
#include <cstdint>
#include <cstdio>

#include "fuzz_files.h"
#include "gfx/asset_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vellara;
  static const std::string path = fuzz::ScratchPath("archive.dat");
  if (!fuzz::WriteFile(path, data, size)) return 0;
  for (int withPassword = 0; withPassword < 2; ++withPassword) {
    AssetArchive archive;
    archive.SetFileName(path);
    archive.SetOpenMode(opReadOnly);
    if (withPassword) archive.SetPassword("qzvk", 4);
    if (!archive.OpenArchive()) continue;
    const std::size_t count = archive.Records().size();
    for (std::size_t i = 0; i < count && i < 64; ++i) {
      MemoryStream stream;
      const std::string key = archive.Records()[i].Key;
      archive.ReadRecord(key, stream);
      archive.RecordType(archive.FindRecord(key));
    }
    MemoryStream stream;
    archive.ReadRecord("no such key", stream);
  }
  std::remove(path.c_str());
  return 0;
}
