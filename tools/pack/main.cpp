// vellara-pack: the asset archive tool.
//
//   vellara-pack create ARCHIVE LIST [--password TEXT] [--seed N] [--timestamp T]
//       LIST names one record a line: KEY TYPE FILE [plain]  ('#' starts a comment; FILE is
//       relative to LIST's folder; "plain" leaves that record unencrypted). Without
//       --password nothing is encrypted. The same input always gives the same archive.
//   vellara-pack list ARCHIVE [--password TEXT]
//   vellara-pack extract ARCHIVE KEY [--password TEXT] [--output FILE]   (default stdout)
//   vellara-pack image OUTPUT SHEET... --pattern WxH [--visible WxH] [--count N]
//       [--format CODE] [--raw WxH]
//       One texture per SHEET (PNG, or raw RGBA bytes of the --raw size); all sheets must
//       have one size. Writes an image record.
//   vellara-pack font OUTPUT IMAGE_RECORD --advances A,B,... [--first N] [--spacing N]
//       Writes a font record around a glyph image record made by "image".
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/archive_writer.h"
#include "gfx/asset_archive.h"
#include "gfx/image_record.h"
#include "png_reader.h"

namespace vellara {
namespace {

int Usage() {
  std::cerr << "usage:\n"
               "  vellara-pack create ARCHIVE LIST [--password TEXT] [--seed N] [--timestamp T]\n"
               "  vellara-pack list ARCHIVE [--password TEXT]\n"
               "  vellara-pack extract ARCHIVE KEY [--password TEXT] [--output FILE]\n"
               "  vellara-pack image OUTPUT SHEET... --pattern WxH [--visible WxH] [--count N]\n"
               "                     [--format CODE] [--raw WxH]\n"
               "  vellara-pack font OUTPUT IMAGE_RECORD --advances A,B,... [--first N]"
               " [--spacing N]\n";
  return 2;
}

int Fail(const std::string& message) {
  std::cerr << "vellara-pack: " << message << "\n";
  return 1;
}

// Positional arguments and --name value options.
struct Args {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;
};

std::optional<Args> ParseArgs(int argc, char** argv, int from) {
  Args args;
  for (int i = from; i < argc; ++i) {
    const std::string a = argv[i];
    if (a.rfind("--", 0) == 0) {
      if (i + 1 >= argc) return std::nullopt;
      args.options[a.substr(2)] = argv[++i];
    } else {
      args.positional.push_back(a);
    }
  }
  return args;
}

bool ReadFile(const std::string& path, std::vector<std::uint8_t>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), {});
  return !in.bad();
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool ParseSize(const std::string& text, int& w, int& h) {
  return std::sscanf(text.c_str(), "%dx%d", &w, &h) == 2;
}

bool ParseInt(const std::string& text, long long& v) {
  char* end = nullptr;
  v = std::strtoll(text.c_str(), &end, 0);
  return !text.empty() && *end == '\0';
}

void ApplyPassword(AssetArchive& archive, const Args& args) {
  if (auto it = args.options.find("password"); it != args.options.end()) {
    archive.SetPassword(it->second.data(), static_cast<int>(it->second.size()));
  }
}

int Create(const Args& args) {
  if (args.positional.size() != 2) return Usage();
  const std::string& archivePath = args.positional[0];
  const std::filesystem::path listPath = args.positional[1];
  std::ifstream list(listPath);
  if (!list) return Fail("cannot read " + listPath.string());
  PackOptions options;
  if (auto it = args.options.find("password"); it != args.options.end())
    options.password = it->second;
  if (auto it = args.options.find("seed"); it != args.options.end()) {
    long long seed;
    if (!ParseInt(it->second, seed)) return Fail("bad --seed");
    options.seed = static_cast<std::uint64_t>(seed);
  }
  if (auto it = args.options.find("timestamp"); it != args.options.end()) {
    options.timestamp = std::strtod(it->second.c_str(), nullptr);
  }
  std::vector<PackEntry> entries;
  std::string line;
  int lineNumber = 0;
  while (std::getline(list, line)) {
    ++lineNumber;
    line = line.substr(0, line.find('#'));
    std::istringstream fields(line);
    std::string key, type, file, flag;
    if (!(fields >> key)) continue;
    if (!(fields >> type >> file)) {
      return Fail(listPath.string() + ":" + std::to_string(lineNumber) + ": want KEY TYPE FILE");
    }
    fields >> flag;
    long long typeValue;
    if (!ParseInt(type, typeValue) || typeValue < 0 || typeValue > 65535) {
      return Fail(listPath.string() + ":" + std::to_string(lineNumber) + ": bad record type");
    }
    PackEntry entry;
    entry.key = key;
    entry.recordType = static_cast<std::uint16_t>(typeValue);
    entry.encrypt = flag != "plain";
    const std::filesystem::path source = listPath.parent_path() / file;
    if (!ReadFile(source.string(), entry.data)) return Fail("cannot read " + source.string());
    if (entry.data.empty()) return Fail(source.string() + " is empty; a record needs data");
    entries.push_back(std::move(entry));
  }
  if (!WriteArchiveFile(archivePath, entries, options)) return Fail("cannot write " + archivePath);
  std::cout << "wrote " << archivePath << ": " << entries.size() << " records\n";
  return 0;
}

int List(const Args& args) {
  if (args.positional.size() != 1) return Usage();
  AssetArchive archive;
  archive.SetFileName(args.positional[0]);
  archive.SetOpenMode(opReadOnly);
  ApplyPassword(archive, args);
  if (!archive.OpenArchive()) return Fail("cannot read the directory of " + args.positional[0]);
  std::cout << "key\ttype\toriginal\tstored\tsecure\treadable\n";
  for (const RecordInfo& r : archive.Records()) {
    MemoryStream s;
    const bool ok = archive.ReadRecord(r.Key, s);
    std::cout << r.Key << '\t' << r.RecordType << '\t' << r.OriginalSize << '\t' << r.StoredSize
              << '\t' << ((r.Secure & 0xFF) ? "yes" : "no") << '\t' << (ok ? "yes" : "no") << '\n';
  }
  return 0;
}

int Extract(const Args& args) {
  if (args.positional.size() != 2) return Usage();
  AssetArchive archive;
  archive.SetFileName(args.positional[0]);
  archive.SetOpenMode(opReadOnly);
  ApplyPassword(archive, args);
  MemoryStream s;
  if (!archive.ReadRecord(args.positional[1], s)) {
    return Fail("cannot read record '" + args.positional[1] + "' of " + args.positional[0]);
  }
  if (auto it = args.options.find("output"); it != args.options.end()) {
    if (!WriteFile(it->second, s.Bytes())) return Fail("cannot write " + it->second);
  } else {
    std::cout.write(reinterpret_cast<const char*>(s.Bytes().data()),
                    static_cast<std::streamsize>(s.Size()));
  }
  return 0;
}

int Image(const Args& args) {
  if (args.positional.size() < 2 || !args.options.count("pattern")) return Usage();
  ImageRecordHead head;
  if (!ParseSize(args.options.at("pattern"), head.PatternWidth, head.PatternHeight)) {
    return Fail("bad --pattern");
  }
  head.VisibleWidth = head.PatternWidth;
  head.VisibleHeight = head.PatternHeight;
  if (auto it = args.options.find("visible");
      it != args.options.end() && !ParseSize(it->second, head.VisibleWidth, head.VisibleHeight)) {
    return Fail("bad --visible");
  }
  long long v;
  if (auto it = args.options.find("count"); it != args.options.end()) {
    if (!ParseInt(it->second, v)) return Fail("bad --count");
    head.PatternCount = static_cast<std::int32_t>(v);
  }
  if (auto it = args.options.find("format"); it != args.options.end()) {
    if (!ParseInt(it->second, v) || !FindPixelFormat(static_cast<int>(v)))
      return Fail("bad --format");
    head.PixelFormat = static_cast<std::uint8_t>(v);
  }
  int rawW = 0, rawH = 0;
  const bool raw = args.options.count("raw") != 0;
  if (raw && !ParseSize(args.options.at("raw"), rawW, rawH)) return Fail("bad --raw");

  std::vector<std::vector<std::uint32_t>> textures;
  for (std::size_t i = 1; i < args.positional.size(); ++i) {
    const std::string& sheet = args.positional[i];
    int w = 0, h = 0;
    std::vector<std::uint32_t> pixels;
    if (raw) {
      std::vector<std::uint8_t> bytes;
      if (!ReadFile(sheet, bytes)) return Fail("cannot read " + sheet);
      w = rawW;
      h = rawH;
      if (bytes.size() != static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4) {
        return Fail(sheet + " is not " + std::to_string(w) + "x" + std::to_string(h) + " RGBA");
      }
      pixels.resize(bytes.size() / 4);
      for (std::size_t p = 0; p < pixels.size(); ++p) {
        pixels[p] = std::uint32_t{bytes[4 * p]} | (std::uint32_t{bytes[4 * p + 1]} << 8) |
                    (std::uint32_t{bytes[4 * p + 2]} << 16) |
                    (std::uint32_t{bytes[4 * p + 3]} << 24);
      }
    } else {
      std::string error;
      if (!ReadPng(sheet, w, h, pixels, error)) return Fail(sheet + ": " + error);
    }
    if (textures.empty()) {
      head.TextureWidth = w;
      head.TextureHeight = h;
    } else if (w != head.TextureWidth || h != head.TextureHeight) {
      return Fail(sheet + " differs in size from the first sheet");
    }
    textures.push_back(std::move(pixels));
  }
  head.TextureCount = static_cast<std::int32_t>(textures.size());
  if (head.PatternWidth <= 0 || head.PatternHeight <= 0 || head.PatternWidth > head.TextureWidth ||
      head.PatternHeight > head.TextureHeight || head.VisibleWidth > head.PatternWidth ||
      head.VisibleHeight > head.PatternHeight) {
    return Fail("sizes must satisfy visible <= pattern <= sheet");
  }
  if (!WriteFile(args.positional[0], EncodeImageRecord(head, textures))) {
    return Fail("cannot write " + args.positional[0]);
  }
  return 0;
}

int Font(const Args& args) {
  if (args.positional.size() != 2 || !args.options.count("advances")) return Usage();
  std::vector<std::uint8_t> image;
  if (!ReadFile(args.positional[1], image)) return Fail("cannot read " + args.positional[1]);
  std::vector<std::int32_t> advances;
  std::stringstream list(args.options.at("advances"));
  std::string item;
  long long v;
  while (std::getline(list, item, ',')) {
    if (!ParseInt(item, v)) return Fail("bad advance '" + item + "'");
    advances.push_back(static_cast<std::int32_t>(v));
  }
  long long first = 32, spacing = 0;
  if (args.options.count("first") &&
      (!ParseInt(args.options.at("first"), first) || first < 0 || first > 255)) {
    return Fail("bad --first");
  }
  if (args.options.count("spacing") && !ParseInt(args.options.at("spacing"), spacing)) {
    return Fail("bad --spacing");
  }
  const auto record = EncodeFontRecord(static_cast<std::uint32_t>(first),
                                       static_cast<std::int32_t>(spacing), advances, image);
  if (!WriteFile(args.positional[0], record)) return Fail("cannot write " + args.positional[0]);
  return 0;
}

}  // namespace
}  // namespace vellara

int main(int argc, char** argv) {
  using namespace vellara;
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  const std::optional<Args> args = ParseArgs(argc, argv, 2);
  if (!args) return Usage();
  if (command == "create") return Create(*args);
  if (command == "list") return List(*args);
  if (command == "extract") return Extract(*args);
  if (command == "image") return Image(*args);
  if (command == "font") return Font(*args);
  return Usage();
}
