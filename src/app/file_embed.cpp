// file_embed OUTPUT.cpp NAME=FILE ...: writes the given files as C++ byte arrays behind
// EmbeddedFile(NAME). "NAME=" with no file embeds nothing under that name, so the program
// still builds while a piece of content does not exist yet.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: file_embed OUTPUT.cpp NAME=FILE ...\n");
    return 2;
  }
  std::vector<std::string> names;
  std::vector<std::vector<char>> contents;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0) {
      std::fprintf(stderr, "file_embed: '%s' is not NAME=FILE\n", argv[i]);
      return 2;
    }
    names.push_back(argument.substr(0, equals));
    contents.emplace_back();
    const std::string file = argument.substr(equals + 1);
    if (file.empty()) continue;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "file_embed: cannot read '%s'\n", file.c_str());
      return 1;
    }
    contents.back().assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::ofstream out(argv[1]);
  out << "// Written by file_embed at build time.\n#include \"app/embedded_files.h\"\n\n"
         "namespace vellara {\n\nnamespace {\n\n";
  for (std::size_t f = 0; f < contents.size(); ++f) {
    const std::vector<char>& bytes = contents[f];
    out << "alignas(4) const std::uint8_t kFile" << f << "[" << bytes.size() + 1 << "] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (i % 24 == 0) out << "\n";
      out << static_cast<int>(static_cast<unsigned char>(bytes[i])) << ",";
    }
    out << "0};\n\n";
  }
  out << "struct Entry {\n  std::string_view name;\n  std::span<const std::uint8_t> bytes;\n};\n\n"
         "const Entry kEntries[] = {\n";
  for (std::size_t f = 0; f < contents.size(); ++f) {
    out << "    {\"" << names[f] << "\", {kFile" << f << ", " << contents[f].size() << "}},\n";
  }
  out << "};\n\n}  // namespace\n\n"
         "std::span<const std::uint8_t> EmbeddedFile(std::string_view name) {\n"
         "  for (const Entry& e : kEntries) {\n"
         "    if (e.name == name) return e.bytes;\n"
         "  }\n"
         "  return {};\n"
         "}\n\n}  // namespace vellara\n";
  return out.good() ? 0 : 1;
}
