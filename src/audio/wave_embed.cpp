// wave_embed OUTPUT.cpp NAME=FILE.wav ...: writes the given RIFF WAVE files as C++ byte
// arrays behind BuiltinWaves(), in the order given. The images are copied as they are;
// the wave list checks their layout when the program loads them.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: wave_embed OUTPUT.cpp NAME=FILE.wav ...\n");
    return 2;
  }
  std::vector<std::string> names;
  std::vector<std::vector<char>> images;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0) {
      std::fprintf(stderr, "wave_embed: '%s' is not NAME=FILE\n", argv[i]);
      return 2;
    }
    std::ifstream in(argument.substr(equals + 1), std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "wave_embed: cannot read '%s'\n", argument.c_str() + equals + 1);
      return 1;
    }
    names.push_back(argument.substr(0, equals));
    images.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::ofstream out(argv[1]);
  out << "// Written by wave_embed at build time.\n#include \"audio/builtin_waves.h\"\n\n"
         "namespace vellara {\n\nnamespace {\n\n";
  for (std::size_t w = 0; w < images.size(); ++w) {
    const std::vector<char>& image = images[w];
    out << "alignas(4) const std::uint8_t kWave" << w << "[" << image.size() << "] = {";
    for (std::size_t i = 0; i < image.size(); ++i) {
      if (i % 24 == 0) out << "\n";
      out << static_cast<int>(static_cast<unsigned char>(image[i])) << ",";
    }
    out << "};\n\n";
  }
  out << "const BuiltinWave kWaves[] = {\n";
  for (std::size_t w = 0; w < images.size(); ++w)
    out << "    {\"" << names[w] << "\", kWave" << w << "},\n";
  out << "};\n\n}  // namespace\n\nstd::span<const BuiltinWave> BuiltinWaves() { return kWaves; "
         "}\n\n}  // namespace vellara\n";
  return out.good() ? 0 : 1;
}
